#include "platform/html/page_document.h"

#include <QFile>
#include <QImage>
#include <QStringDecoder>
#include <QUrl>

#include "platform/html/link_target.h"
#include "platform/sys/prefix.h"

namespace html {

QVariant TPageDocument::loadResource(int type, const QUrl& name) {
    if (type != QTextDocument::ImageResource)
        return {};
    auto target = ResolveLink(pageFile_, name.toString().toStdString());
    if (!target)
        return {};
    auto host = sys::ToHostPath(target->File);
    if (!host)
        return {};
    QImage image(QString::fromStdString(host->string()));
    if (image.isNull())
        return {};
    return image;
}

QString DecodePage(const QByteArray& bytes) {
    // The meta tag's character set when there is one, UTF-8 otherwise.
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    if (decoder.isValid()) {
        QString text = decoder.decode(bytes);
        if (!decoder.hasError())
            return text;
    }
    QStringDecoder western("windows-1252");
    if (western.isValid())
        return western.decode(bytes);
    return QString::fromLatin1(bytes);
}

} // namespace html
