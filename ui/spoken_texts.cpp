#include "ui/spoken_texts.h"

#include <array>

#include "ui/form_design.h"

namespace ui {
namespace {

struct SpokenParent {
    const char* name;  // the column heading reads "Male:", but speech must hear "Mâle"
    const char* ofParent;
};

constexpr std::array<SpokenParent, 2> kSpokenParents{{
    {"Femelle", "de la femelle"},
    {"Mâle", "du mâle"},
}};

const SpokenParent& spoken(pairing::Parent parent) {
    return kSpokenParents[parent == pairing::Parent::Femelle ? 0 : 1];
}

QString phaseCaption(pairing::PhaseBox box) {
    return toQString(pairing::caption(pairing::phaseOf(box)));
}

}  // namespace

QString spokenName(pairing::PhaseBox box) {
    return QStringLiteral("%1 : %2").arg(QString::fromUtf8(spoken(pairing::parentOf(box)).name),
                                         phaseCaption(box));
}

QString announcementAfterClick(const pairing::PairingBoard& board, pairing::PhaseBox box) {
    const QString ofParent = QString::fromUtf8(spoken(pairing::parentOf(box)).ofParent);
    switch (board.value(box)) {
        case pairing::kTicked: {
            const QString siblings =
                QStringLiteral("Les autres phases %1 sont indisponibles tant que %2 est cochée.")
                    .arg(ofParent, phaseCaption(box));
            const QString answer = QString::fromStdString(board.answer());
            return answer.isEmpty() ? siblings : answer + QLatin1Char(' ') + siblings;
        }
        case pairing::kUnticked:
            return QStringLiteral("Toutes les phases %1 sont de nouveau disponibles.")
                .arg(ofParent);
        default:
            return {};
    }
}

QString announcementAfterReset() {
    return QStringLiteral("Toutes les phases ont été décochées et le résultat effacé.");
}

}  // namespace ui
