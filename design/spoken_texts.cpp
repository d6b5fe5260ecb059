#include "design/spoken_texts.h"

#include <array>

namespace design {
namespace {

struct SpokenParent {
    std::string_view name;  // the column heading reads "Male:", but speech must hear "Mâle"
    std::string_view ofParent;
};

constexpr std::array<SpokenParent, 2> kSpokenParents{{
    {"Femelle", "de la femelle"},
    {"Mâle", "du mâle"},
}};

const SpokenParent& spoken(pairing::Parent parent) {
    return kSpokenParents[parent == pairing::Parent::Femelle ? 0 : 1];
}

std::string_view phaseCaption(pairing::PhaseBox box) {
    return pairing::caption(pairing::phaseOf(box));
}

// "que" loses its vowel before a vowel or a mute h, as in "qu'Albinos". Every h that
// starts a caption is mute: Hypo- and Het (hétérozygote) come from Greek.
std::string queBefore(std::string_view word) {
    constexpr std::string_view kElidingStarts[] = {"A", "E", "I", "O", "U", "H", "É"};
    for (std::string_view start : kElidingStarts)
        if (word.starts_with(start))
            return "qu'" + std::string(word);
    return "que " + std::string(word);
}

}  // namespace

std::string spokenName(pairing::PhaseBox box) {
    return std::string(spoken(pairing::parentOf(box)).name) + " : " +
           std::string(phaseCaption(box));
}

std::string choicesAfterClick(const pairing::PairingBoard& board, pairing::PhaseBox box) {
    const std::string ofParent(spoken(pairing::parentOf(box)).ofParent);
    switch (board.value(box)) {
        case pairing::kTicked:
            return "Les autres phases " + ofParent + " sont indisponibles tant " +
                   queBefore(phaseCaption(box)) + " est cochée.";
        case pairing::kUnticked:
            return "Toutes les phases " + ofParent + " sont de nouveau disponibles.";
        default:
            return {};
    }
}

std::string Announcement::asOneSentence() const {
    if (answer.empty() || choices.empty())
        return answer + choices;
    return answer + ' ' + choices;
}

Announcement announcementAfterClick(const pairing::PairingBoard& board, pairing::PhaseBox box,
                                    std::string_view answerBefore) {
    std::string answer = board.answer();
    if (answer == answerBefore)
        answer.clear();
    return {std::move(answer), choicesAfterClick(board, box)};
}

Announcement announcementAfterReset() {
    return {{}, "Toutes les phases ont été décochées et le résultat effacé."};
}

std::string_view thanksNote() {
    // A no-break space keeps the "!" with its word, as French typography wants.
    return "Merci à Lucien Arvel pour son aide précieuse et fidèle\u00A0!";
}

std::string_view noDisplayMessage() {
    return "Morvane 101 ne peut pas démarrer : aucun écran n'est disponible pour ses "
           "fenêtres. Lancez-le depuis une session graphique.";
}

std::string runTimeErrorMessage(std::string_view control, std::string_view operation) {
    return "Erreur d'exécution : le contrôle « " + std::string(control) +
           " » n'existe pas ou n'existe plus (" + std::string(operation) + ").";
}

}  // namespace design
