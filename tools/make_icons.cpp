// Makes the application's icons from the gecko picture painted large: a square around the
// head, on a rounded tile, at each size of the hicolor theme, and all of them in one
// Windows icon.
//
//   make_icons PICTURE.bmp OUTPUT_DIR ICON_NAME
//   -> OUTPUT_DIR/hicolor/NxN/apps/ICON_NAME.png for N in 16 ... 256, OUTPUT_DIR/ICON_NAME.ico
#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace {

// A Windows icon holding each of `images` as PNG, as Windows Vista and later read them.
QByteArray windowsIcon(const std::vector<QImage>& images) {
    std::vector<QByteArray> pngs;
    for (const QImage& image : images) {
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        image.save(&png, "PNG");
        pngs.push_back(png.data());
    }
    QByteArray icon;
    QDataStream out(&icon, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());  // reserved, icon, count
    quint32 offset = 6 + 16 * quint32(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const int side = images[i].width();
        // A side of 256 is written 0; then no palette, one plane, 32 bits, size, offset.
        out << quint8(side % 256) << quint8(side % 256) << quint8(0) << quint8(0) << quint16(1)
            << quint16(32) << quint32(pngs[i].size()) << offset;
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray& png : pngs)
        out.writeRawData(png.constData(), int(png.size()));
    return icon;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s PICTURE.bmp OUTPUT_DIR ICON_NAME\n", argv[0]);
        return 2;
    }
    const QImage picture(QString::fromLocal8Bit(argv[1]));
    if (picture.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    // The picture is 175 x 101 units wide and high; the head, from the snout to behind the
    // eye, fills the square that starts 8 units from the left.
    const double unit = picture.height() / 101.0;
    const int side = picture.height();
    const QImage head = picture.copy(int(8 * unit), 0, side, side);

    constexpr std::array<int, 9> kSizes{16, 22, 24, 32, 48, 64, 128, 192, 256};
    // The sizes Windows looks for, at every scale of its screens.
    constexpr std::array<int, 7> kWindowsSizes{16, 24, 32, 48, 64, 128, 256};
    std::vector<QImage> windowsImages;
    for (int size : kSizes) {
        QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        const QRectF tile(0.5, 0.5, size - 1.0, size - 1.0);
        QPainterPath rounded;
        rounded.addRoundedRect(tile, size * 0.18, size * 0.18);
        painter.setClipPath(rounded);
        painter.drawImage(tile,
                          head.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        painter.setClipping(false);
        painter.setPen(QPen(QColor(90, 80, 60, 160), size >= 48 ? 1.5 : 1.0));
        painter.drawPath(rounded);
        painter.end();
        if (std::find(kWindowsSizes.begin(), kWindowsSizes.end(), size) != kWindowsSizes.end())
            windowsImages.push_back(icon);

        const QString dir =
            QStringLiteral("%1/hicolor/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        const QString file = dir + QLatin1Char('/') + QString::fromLocal8Bit(argv[3]) + ".png";
        if (!QDir().mkpath(dir) || !icon.save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    QFile windows(QStringLiteral("%1/%2.ico")
                      .arg(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])));
    if (!windows.open(QIODevice::WriteOnly) || windows.write(windowsIcon(windowsImages)) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(windows.fileName()));
        return 1;
    }
    return 0;
}
