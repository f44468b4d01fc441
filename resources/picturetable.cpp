// Build step: writes the pictures the program shows at start as a C++
// table of pixels (premultiplied ARGB, 32 bits each), so that the start
// decodes no PNG. Arguments: the output file, the folder the sources are
// named from, then NAME=SOURCE pairs; a SOURCE starting with ":/" is a
// picture of Qt's own resources.
#include <QImage>
#include <QImageReader>
#include <QSaveFile>
#include <QWidget>

#include <cstdio>

namespace {

int fail(const QString& why)
{
    std::fprintf(stderr, "picturetable: %s\n", qPrintable(why));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    // Qt Widgets registers the style pictures when it is loaded.
    (void)QWidget::staticMetaObject.className();
    if (argc < 3)
        return fail(QStringLiteral("usage: picturetable OUTPUT SOURCE_DIR NAME=SOURCE..."));
    const QString sourceDir = QString::fromLocal8Bit(argv[2]);
    QByteArray text = "// Made by resources/picturetable.cpp at build time; not edited.\n"
                      "#include \"forms/widgets/storedpictures.h\"\n\nnamespace {\n";
    QByteArray table = "} // namespace\n\nconst StoredPicture kStoredPictures[] = {\n";
    for (int k = 3; k < argc; ++k) {
        const QString arg = QString::fromLocal8Bit(argv[k]);
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        if (eq <= 0)
            return fail(QStringLiteral("not NAME=SOURCE: ") + arg);
        const QString name = arg.left(eq);
        const QString source = arg.mid(eq + 1);
        QImageReader reader(source.startsWith(QStringLiteral(":/")) ? source : sourceDir + '/' + source);
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (image.isNull())
            return fail(source + QStringLiteral(": ") + reader.errorString());
        text += "const quint32 pixels" + QByteArray::number(k) + "[] = {";
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                text += ((y * image.width() + x) % 8 ? " " : "\n    ") + QByteArray("0x")
                    + QByteArray::number(line[x], 16).rightJustified(8, '0') + ',';
        }
        text += "\n};\n";
        table += "    { \"" + name.toUtf8() + "\", \"" + source.toUtf8() + "\", "
            + QByteArray::number(image.width()) + ", " + QByteArray::number(image.height()) + ", pixels"
            + QByteArray::number(k) + " },\n";
    }
    table += "};\n\nconst std::span<const StoredPicture> storedPictures { kStoredPictures };\n";
    QSaveFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(text + table) < 0 || !out.commit())
        return fail(QStringLiteral("cannot write ") + out.fileName());
    return 0;
}
