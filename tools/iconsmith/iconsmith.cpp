// iconsmith: renders the palette icon set from a list of resource paths and writes the
// resource list (.qrc) that compiles it. Each icon is a rounded square tinted by its folder
// with a short abbreviation of its name, drawn identically as a 32x32 png and as an svg.
// Output is byte-for-byte deterministic; the offscreen platform is forced, so no display is used.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QVector>

#include <cstdio>
#include <stdexcept>

namespace {

const char* const kFontFamily = "DejaVu Sans";
const int kSize = 32;
const double kMaxTextWidth = 26.0;

// One file to produce: its path below the output directory (equal to its resource path
// without ":/"), the folder that picks the tint and the name the abbreviation comes from.
struct IconFile {
    QString resourcePath;
    QString folder;
    QString name;
    bool svg = false;
};

[[noreturn]] void fail(const QString& message)
{
    throw std::runtime_error(("iconsmith: " + message).toStdString());
}

// Splits an icon name into words at separators, lower-to-upper steps, letter/digit steps
// and at the end of an upper-case run ("LTGeneration" -> "LT", "Generation").
QStringList splitWords(const QString& name)
{
    QStringList words;
    QString current;
    auto flush = [&]() {
        if (!current.isEmpty())
            words << current;
        current.clear();
    };
    for (int i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (!c.isLetterOrNumber()) {
            flush();
            continue;
        }
        if (!current.isEmpty()) {
            const QChar prev = current.back();
            const bool nextIsLower = i + 1 < name.size() && name.at(i + 1).isLower();
            const bool boundary = (prev.isLower() && c.isUpper()) || (prev.isLetter() != c.isLetter()) ||
                                  (prev.isUpper() && c.isUpper() && nextIsLower);
            if (boundary)
                flush();
        }
        current += c;
    }
    flush();
    return words;
}

// "StartX" -> "SX", "model_text_height" -> "MTH", "Color" -> "Col".
QString abbreviate(const QString& name)
{
    const QStringList words = splitWords(name);
    if (words.isEmpty())
        fail(QString("icon name '%1' has no letters or digits to abbreviate").arg(name));
    if (words.size() == 1) {
        const QString word = words.front();
        return word.left(1).toUpper() + word.mid(1, 2).toLower();
    }
    QString initials;
    for (const QString& word : words) {
        if (initials.size() == 3)
            break;
        initials += word.at(0).toUpper();
    }
    return initials;
}

quint32 fnv1a(const QString& text)
{
    quint32 hash = 2166136261u;
    for (const char byte : text.toUtf8()) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 16777619u;
    }
    return hash;
}

// The four palette categories have fixed tints; any other folder gets a stable hue of its own.
QColor folderColor(const QString& folder)
{
    if (folder == "General")
        return QColor("#3b6ea8");
    if (folder == "Geometry")
        return QColor("#2f8f5b");
    if (folder == "Misc")
        return QColor("#c46a1f");
    if (folder == "Text")
        return QColor("#8a4fb0");
    return QColor::fromHsl(static_cast<int>(fnv1a(folder) % 360), 120, 95);
}

// Parses one list entry. "<Folder>/<Folder>_<Icon>" yields the png and its svg twin; an entry
// that ends in .png or .svg names exactly one file, written where it says.
QVector<IconFile> filesForEntry(const QString& entry, int lineNo)
{
    auto bad = [&](const QString& why) {
        fail(QString("line %1: '%2' %3").arg(lineNo).arg(entry, why));
    };
    if (entry.startsWith('/') || entry.startsWith(':'))
        bad("must be written without the ':/' prefix");
    const QStringList parts = entry.split('/');
    for (const QString& part : parts)
        if (part.isEmpty() || part == "." || part == "..")
            bad("has an empty, '.' or '..' path component");

    const QString folder = parts.front();
    const QString prefix = folder + '_';
    if (entry.endsWith(".png") || entry.endsWith(".svg")) {
        if (parts.size() < 2)
            bad("needs a folder");
        IconFile file;
        file.resourcePath = entry;
        file.folder = folder;
        file.name = QFileInfo(parts.back()).completeBaseName();
        if (file.name.startsWith(prefix))
            file.name = file.name.mid(prefix.size());
        file.svg = entry.endsWith(".svg");
        return {file};
    }
    if (parts.size() != 2 || !parts.at(1).startsWith(prefix) || parts.at(1).size() == prefix.size() ||
        parts.at(1).contains('.'))
        bad("is neither <Folder>/<Folder>_<Icon> nor a path ending in .png or .svg");

    const QString base = parts.at(1);
    IconFile png{folder + '/' + base + ".png", folder, base.mid(prefix.size()), false};
    IconFile svg{folder + "/svg_icons/" + folder + '/' + base + ".svg", folder, png.name, true};
    return {png, svg};
}

QVector<IconFile> readList(const QString& listPath)
{
    QFile file(listPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        fail(QString("cannot read %1: %2").arg(listPath, file.errorString()));
    QVector<IconFile> files;
    QSet<QString> seen;
    int lineNo = 0;
    QTextStream in(&file);
    while (!in.atEnd()) {
        ++lineNo;
        QString line = in.readLine();
        const int hash = line.indexOf('#');
        if (hash >= 0)
            line.truncate(hash);
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        // Several object kinds share icons; each file is produced once, at its first mention.
        for (const IconFile& icon : filesForEntry(line, lineNo)) {
            if (seen.contains(icon.resourcePath))
                continue;
            seen.insert(icon.resourcePath);
            files << icon;
        }
    }
    if (files.isEmpty())
        fail(QString("%1 names no icons").arg(listPath));
    return files;
}

// Geometry shared by both renderings, so the png and the svg show the same picture.
struct Glyph {
    QColor fill;
    QColor border;
    QString text;
    int pixelSize = 0;
    double baseline = 0.0;
    QFont font;
};

QFont glyphFont(int pixelSize)
{
    QFont font(kFontFamily);
    font.setBold(true);
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

Glyph makeGlyph(const IconFile& icon)
{
    Glyph glyph;
    glyph.fill = folderColor(icon.folder);
    glyph.border = glyph.fill.darker(150);
    glyph.text = abbreviate(icon.name);
    glyph.pixelSize = glyph.text.size() == 1 ? 20 : glyph.text.size() == 2 ? 16 : 12;
    glyph.font = glyphFont(glyph.pixelSize);
    while (glyph.pixelSize > 7 && QFontMetricsF(glyph.font).horizontalAdvance(glyph.text) > kMaxTextWidth)
        glyph.font = glyphFont(--glyph.pixelSize);
    // Centre the capitals vertically; rounded so both renderings use the very same number.
    const double capHeight = QFontMetricsF(glyph.font).capHeight();
    glyph.baseline = qRound((kSize / 2.0 + capHeight / 2.0) * 100.0) / 100.0;
    return glyph;
}

QByteArray renderPng(const Glyph& glyph)
{
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setPen(QPen(glyph.border, 1.0));
        painter.setBrush(glyph.fill);
        painter.drawRoundedRect(QRectF(1.5, 1.5, 29.0, 29.0), 5.5, 5.5);
        painter.setFont(glyph.font);
        painter.setPen(Qt::white);
        const double width = QFontMetricsF(glyph.font).horizontalAdvance(glyph.text);
        painter.drawText(QPointF(kSize / 2.0 - width / 2.0, glyph.baseline), glyph.text);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image.convertToFormat(QImage::Format_ARGB32)))
        fail("png encoding failed: " + writer.errorString());
    return bytes;
}

QByteArray renderSvg(const Glyph& glyph, const QString& title)
{
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" viewBox=\"0 0 32 32\">\n"
        << "  <title>" << title.toHtmlEscaped() << "</title>\n"
        << "  <rect x=\"1.5\" y=\"1.5\" width=\"29\" height=\"29\" rx=\"5.5\" ry=\"5.5\" fill=\""
        << glyph.fill.name() << "\" stroke=\"" << glyph.border.name() << "\" stroke-width=\"1\"/>\n"
        << "  <text x=\"16\" y=\"" << QString::number(glyph.baseline, 'f', 2) << "\" font-family=\""
        << kFontFamily << ", sans-serif\" font-size=\"" << glyph.pixelSize
        << "\" font-weight=\"bold\" fill=\"#ffffff\" text-anchor=\"middle\">" << glyph.text.toHtmlEscaped()
        << "</text>\n"
        << "</svg>\n";
    out.flush();
    return svg.toUtf8();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        fail("cannot create the directory of " + path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail(QString("cannot write %1: %2").arg(path, file.errorString()));
}

// Every file is listed under prefix "/" by its path relative to the .qrc, which is its
// resource path when the .qrc sits in the output directory; otherwise an alias keeps the
// resource path exact.
QByteArray makeQrc(const QVector<IconFile>& files, const QDir& outDir, const QString& qrcPath)
{
    const QDir qrcDir = QFileInfo(qrcPath).absoluteDir();
    QString qrc;
    QTextStream out(&qrc);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const IconFile& icon : files) {
        const QString relative = qrcDir.relativeFilePath(outDir.absoluteFilePath(icon.resourcePath));
        out << "  <file";
        if (relative != icon.resourcePath)
            out << " alias=\"" << icon.resourcePath.toHtmlEscaped() << '"';
        out << '>' << relative.toHtmlEscaped() << "</file>\n";
    }
    out << "</qresource>\n</RCC>\n";
    out.flush();
    return qrc.toUtf8();
}

// Builds run without a user session; Qt's note about the missing runtime directory is noise there.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith("QStandardPaths: XDG_RUNTIME_DIR not set"))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

void checkFont()
{
    const QFontInfo info(glyphFont(16));
    if (info.family() != kFontFamily)
        fail(QString("font '%1' is not installed (got '%2'); install the fonts-dejavu-core package")
                 .arg(kFontFamily, info.family()));
}

int run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription("Renders the palette icons and their resource list.");
    parser.addHelpOption();
    const QCommandLineOption listOption("list", "Icon list, one resource path per line.", "icons.list");
    const QCommandLineOption outOption("out", "Output directory of the icon tree.", "dir");
    const QCommandLineOption qrcOption("qrc", "Resource list to write.", "file.qrc");
    parser.addOptions({listOption, outOption, qrcOption});
    parser.process(arguments);
    if (!parser.isSet(listOption) || !parser.isSet(outOption) || !parser.isSet(qrcOption))
        fail("usage: iconsmith --list <icons.list> --out <dir> --qrc <file.qrc>");

    checkFont();
    const QVector<IconFile> files = readList(parser.value(listOption));
    const QDir outDir(QFileInfo(parser.value(outOption)).absoluteFilePath());
    for (const IconFile& icon : files) {
        const Glyph glyph = makeGlyph(icon);
        const QString title = QFileInfo(icon.resourcePath).completeBaseName();
        writeFile(outDir.absoluteFilePath(icon.resourcePath),
                  icon.svg ? renderSvg(glyph, title) : renderPng(glyph));
    }
    const QString qrcPath = QFileInfo(parser.value(qrcOption)).absoluteFilePath();
    writeFile(qrcPath, makeQrc(files, outDir, qrcPath));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // Always offscreen: the tool runs inside builds that have no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietHandler);
    QGuiApplication app(argc, argv);
    try {
        return run(app.arguments());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
