// harvesta_art: renders the picture blocks of assets/data, and the contact sheet.
//
//   harvesta_art render DATA_DIR          writes DATA_DIR/<NAME>.bmp for every picture (the
//                                         translated captions as <NAME>.z, zlib streams)
//   harvesta_art sheet DATA_DIR FILE.png  the contact sheet of what DATA_DIR holds
//   harvesta_art icons DIR                writes DIR/harvesta-<N>.png, the desktop icon at
//                                         every size of kAppIconSizes

#include "Bmp.h"
#include "ContactSheet.h"
#include "Pictures.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    using namespace harvesta::art;

    if (argc == 3 && std::strcmp(argv[1], "render") == 0) {
        for (const auto& block : AllPictures()) {
            QByteArray bytes = EncodeBmp(block.image, block.layout);
            // qCompress puts the length in front of the zlib stream.
            if (block.compressed) bytes = qCompress(bytes, 9).mid(4);
            QFile file(QString::fromLocal8Bit(argv[2]) + "/" + block.name +
                       (block.compressed ? ".z" : ".bmp"));
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
                return 1;
            }
            std::printf("%-13s %3d x %3d  %s\n", qPrintable(block.name), block.image.width(),
                        block.image.height(), qPrintable(file.fileName()));
        }
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "icons") == 0) {
        for (const int size : kAppIconSizes) {
            const QString name =
                QString::fromLocal8Bit(argv[2]) + QStringLiteral("/harvesta-%1.png").arg(size);
            if (!AppIcon(size).save(name, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
                return 1;
            }
            std::printf("icon %3d x %3d  %s\n", size, size, qPrintable(name));
        }
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "sheet") == 0)
        return MakeContactSheet(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]))
                   ? 0
                   : 1;
    std::fprintf(stderr, "usage: %s render DATA_DIR | sheet DATA_DIR FILE.png | icons DIR\n",
                 argv[0]);
    return 2;
}
