// Builds the board's installable site from the built page:
//   make_site PAGE.html TEMPLATE_DIR ICON_DIR OUTPUT_DIR
// index.html is the page with the site's head in place of its own policy and
// icon lines; beside it the manifest, the program's icons as the source keeps
// them, and the service worker, named for this release by a hash of all the
// other files. The page's module is carried over untouched.
#include "window/FormLayout.h"

#include <QCryptographicHash>
#include <QColor>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <stdexcept>

namespace {

// The page's own lines that the site's head replaces: the first of them
// gives way to the whole of it, the others to nothing.
const char* const kPageHeadLines[] = {
    "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; script-src 'unsafe-inline' "
    "'unsafe-eval'; style-src 'unsafe-inline'; img-src data:\">\n",
    "<link rel=\"icon\" href=\"data:,\">\n",
};

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void replaceOnce(QByteArray& text, const QByteArray& from, const QByteArray& to)
{
    if (text.count(from) != 1)
        throw std::runtime_error("the page does not hold exactly one " + from.trimmed().toStdString());
    text.replace(from, to);
}

QByteArray windowColor()
{
    const forms::Color c = window::formLayout().back;
    return QColor(c.r, c.g, c.b).name().toLatin1();
}

void makeSite(const QString& page, const QDir& templates, const QDir& icons, const QDir& out)
{
    const QByteArray color = windowColor();
    QByteArray html = readFile(page);
    QByteArray head = readFile(templates.filePath("head.html"));
    head.replace("@WINDOW_COLOR@", color);
    replaceOnce(html, kPageHeadLines[0], head);
    for (std::size_t i = 1; i < std::size(kPageHeadLines); ++i)
        replaceOnce(html, kPageHeadLines[i], "");
    QByteArray manifest = readFile(templates.filePath("manifest.webmanifest"));
    manifest.replace("@WINDOW_COLOR@", color);

    // In the order the worker fetches them; the hash covers them all.
    const QList<QPair<QString, QByteArray>> files = {
        {"index.html", html},
        {"manifest.webmanifest", manifest},
        {"icon-192.png", readFile(icons.filePath("board-192.png"))},
        {"icon-512.png", readFile(icons.filePath("board-512.png"))},
        {"apple-touch-icon.png", readFile(icons.filePath("board-on-green-180.png"))},
    };
    QCryptographicHash release(QCryptographicHash::Sha256);
    QByteArray list;
    if (!out.mkpath("."))
        throw std::runtime_error("cannot make " + out.path().toStdString());
    for (const auto& [name, bytes] : files) {
        writeFile(out.filePath(name), bytes);
        release.addData(name.toUtf8() + '\0' + bytes);
        list += (list.isEmpty() ? "'" : ", '") + name.toUtf8() + "'";
    }
    QByteArray worker = readFile(templates.filePath("service-worker.js"));
    worker.replace("@RELEASE@", release.result().toHex().left(16));
    worker.replace("@FILES@", list);
    writeFile(out.filePath("service-worker.js"), worker);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: make_site PAGE.html TEMPLATE_DIR ICON_DIR OUTPUT_DIR\n");
        return 2;
    }
    try {
        makeSite(QString::fromLocal8Bit(argv[1]), QDir(QString::fromLocal8Bit(argv[2])),
                 QDir(QString::fromLocal8Bit(argv[3])), QDir(QString::fromLocal8Bit(argv[4])));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_site: %s\n", e.what());
        return 1;
    }
    return 0;
}
