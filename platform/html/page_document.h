#pragma once
// The document of the frame viewer: the page's text with its default fonts, and the images it
// names, read from local files beside the page (never fetched from the network).
#include <QTextDocument>
#include <string>

namespace html {

class TPageDocument : public QTextDocument {
public:
    // The Windows path of the page; its images are looked up against it.
    void SetPageFile(const std::string& windowsPath) { pageFile_ = windowsPath; }
    const std::string& PageFile() const { return pageFile_; }

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    std::string pageFile_;
};

// The page's bytes as text: the character set its meta tag names, UTF-8 when the bytes are valid
// UTF-8, the Windows Western code page otherwise.
QString DecodePage(const QByteArray& bytes);

} // namespace html
