// The embedded resources through Qt's resource system. The resource library is static, so its
// data is registered here explicitly before the first look-up.
#include "platform/ui/graphics/resource_store.h"

#include <QDirIterator>
#include <QFile>
#include <QString>

#include <algorithm>
#include <map>
#include <mutex>

// At global scope: the registration function's declaration must not land in a namespace.
static void RegisterEmbeddedResources() {
    Q_INIT_RESOURCE(kestrix);
}

namespace ui {
namespace {

const QString kRoot = QStringLiteral(":/kx/");

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

// Every resource name, and the same names lower-cased for look-ups without regard to case.
struct Index {
    std::vector<std::string> Names;
    std::map<std::string, std::string> ByLowerName;
};

const Index& TheIndex() {
    static std::once_flag once;
    static Index index;
    std::call_once(once, [] {
        RegisterEmbeddedResources();
        QDirIterator it(kRoot, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            std::string name = it.next().mid(kRoot.size()).toStdString();
            index.Names.push_back(name);
            index.ByLowerName.emplace(Lower(name), name);
        }
        std::sort(index.Names.begin(), index.Names.end());
    });
    return index;
}

// The stored name for a requested one, or "" when there is none.
std::string Find(const std::string& name) {
    const Index& index = TheIndex();
    auto it = index.ByLowerName.find(Lower(name));
    return it == index.ByLowerName.end() ? std::string() : it->second;
}

} // namespace

namespace Resources {

bool Exists(const std::string& name) {
    return !name.empty() && !Find(name).empty();
}

std::vector<uint8_t> Read(const std::string& name) {
    std::string stored = name.empty() ? std::string() : Find(name);
    if (stored.empty())
        throw EResourceError(name, "Resource not found: " + name);
    QFile file(kRoot + QString::fromStdString(stored));
    if (!file.open(QIODevice::ReadOnly))
        throw EResourceError(name, "Resource cannot be read: " + name);
    QByteArray bytes = file.readAll();
    return {bytes.begin(), bytes.end()};
}

std::string ReadText(const std::string& name) {
    std::vector<uint8_t> bytes = Read(name);
    return {bytes.begin(), bytes.end()};
}

std::vector<std::string> List(const std::string& prefix) {
    std::vector<std::string> names;
    std::string lowerPrefix = Lower(prefix);
    for (const std::string& name : TheIndex().Names)
        if (Lower(name).compare(0, lowerPrefix.size(), lowerPrefix) == 0)
            names.push_back(name);
    return names;
}

} // namespace Resources
} // namespace ui
