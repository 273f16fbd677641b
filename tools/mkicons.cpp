// Build-time tool: renders an icon file as PNGs of the given sizes.
//   mkicons SOURCE.ico OUTPUT_DIR SIZE...
// writes OUTPUT_DIR/<size>.png for each size.
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fputs("usage: mkicons SOURCE.ico OUTPUT_DIR SIZE...\n", stderr);
        return 2;
    }
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QImageReader reader(args.at(1));
    const QImage source = reader.read();
    if (source.isNull()) {
        std::fprintf(stderr, "mkicons: cannot read %s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    const QDir out(args.at(2));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "mkicons: cannot create %s\n", argv[2]);
        return 1;
    }
    for (const QString &sizeText : args.mid(3)) {
        bool ok = false;
        const int size = sizeText.toInt(&ok);
        if (!ok || size <= 0) {
            std::fprintf(stderr, "mkicons: bad size %s\n", qPrintable(sizeText));
            return 2;
        }
        // Larger sizes keep the pixels of the drawing square rather than blurring them.
        const Qt::TransformationMode mode = size < source.width() ? Qt::SmoothTransformation : Qt::FastTransformation;
        const QImage image =
            source.convertToFormat(QImage::Format_ARGB32).scaled(size, size, Qt::IgnoreAspectRatio, mode);
        const QString file = out.filePath(sizeText + QStringLiteral(".png"));
        if (!image.save(file, "PNG")) {
            std::fprintf(stderr, "mkicons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
