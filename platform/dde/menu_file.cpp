#include "platform/dde/menu_file.h"

#include "platform/dde/group_error.h"
#include "platform/dde/xml_reader.h"
#include "platform/sys/errors.h"
#include "platform/sys/host_file.h"

namespace dde {

namespace {

std::string TrimmedText(const XmlElement* element) {
    if (!element)
        return "";
    const std::string& text = element->Text;
    const size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string::npos)
        return "";
    return text.substr(start, text.find_last_not_of(" \t\r\n") - start + 1);
}

} // namespace

GroupMenu ReadGroupMenu(const std::filesystem::path& file) {
    std::string text;
    try {
        text = sys::ReadWholeFile(file);
    } catch (const sys::EInOutError& error) {
        throw ProgramGroupError(file.string() + ": cannot be read: " + error.what());
    }
    XmlElement root;
    std::string problem;
    if (!ParseXml(text, root, problem))
        throw ProgramGroupError(file.string() + ": " + problem);
    const XmlElement* group = root.Name == "Menu" ? root.Child("Menu") : nullptr;
    if (!group || TrimmedText(group->Child("Name")).empty())
        throw ProgramGroupError(file.string() + ": not a program group menu");
    GroupMenu menu;
    menu.GroupName = TrimmedText(group->Child("Name"));
    menu.DirectoryFile = TrimmedText(group->Child("Directory"));
    if (const XmlElement* include = group->Child("Include"))
        for (const XmlElement& item : include->Children)
            if (item.Name == "Filename" && !TrimmedText(&item).empty())
                menu.Items.push_back(TrimmedText(&item));
    return menu;
}

std::string GroupMenuText(const GroupMenu& menu, const std::filesystem::path& appDir,
                          const std::filesystem::path& directoryDir) {
    // No document type line: menu readers do not validate, and the file is plain XML without it.
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<!-- A program group created through Program Manager's DDE commands -->\n"
                       "<Menu>\n"
                       "  <Name>Applications</Name>\n"
                       "  <Menu>\n";
    text += "    <Name>" + XmlEscape(menu.GroupName) + "</Name>\n";
    text += "    <AppDir>" + XmlEscape(appDir.string()) + "</AppDir>\n";
    text += "    <DirectoryDir>" + XmlEscape(directoryDir.string()) + "</DirectoryDir>\n";
    text += "    <Directory>" + XmlEscape(menu.DirectoryFile) + "</Directory>\n";
    text += "    <Include>\n";
    for (const std::string& item : menu.Items)
        text += "      <Filename>" + XmlEscape(item) + "</Filename>\n";
    text += "    </Include>\n";
    text += "    <Layout>\n";
    for (const std::string& item : menu.Items)
        text += "      <Filename>" + XmlEscape(item) + "</Filename>\n";
    text += "      <Merge type=\"all\"/>\n";
    text += "    </Layout>\n";
    text += "  </Menu>\n"
            "</Menu>\n";
    return text;
}

} // namespace dde
