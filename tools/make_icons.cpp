// Makes the application's icons from the gecko picture painted large: a square around the
// head, on a rounded tile, at each size of the hicolor theme.
//
//   make_icons PICTURE.bmp OUTPUT_DIR ICON_NAME
//   -> OUTPUT_DIR/hicolor/NxN/apps/ICON_NAME.png for N in 16 ... 256
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cstdio>

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

        const QString dir =
            QStringLiteral("%1/hicolor/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        const QString file = dir + QLatin1Char('/') + QString::fromLocal8Bit(argv[3]) + ".png";
        if (!QDir().mkpath(dir) || !icon.save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
