// What the windows say beyond their visible captions: each box's column and phase for a
// screen reader, the announcements that follow a choice or a Reset, the thanks that
// "Fermer" shows, and the report of a failed control access. UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "pairing/pairing_board.h"

namespace design {

// "Femelle : Albinos", "Mâle : Het Albinos".
std::string spokenName(pairing::PhaseBox box);

// What became of the other phases of `box`'s parent after `box` changed and its click
// handling ran. Empty for a Value that is neither 0 nor 1.
std::string choicesAfterClick(const pairing::PairingBoard& board, pairing::PhaseBox box);

// What screen readers are told once a user's click has been handled: the answer, when the
// click changed it and it says something, then what became of the choices.
struct Announcement {
    std::string answer{};
    std::string choices{};

    // Both as one sentence, for a window that speaks with one voice.
    std::string asOneSentence() const;
};

// After `box` changed from a user's click and its click handling ran; the answer was
// `answerBefore`.
Announcement announcementAfterClick(const pairing::PairingBoard& board, pairing::PhaseBox box,
                                    std::string_view answerBefore);

// After Reset: the answer is gone, which is said with the choices.
Announcement announcementAfterReset();

// The one-line thanks that "Fermer" shows before the program ends.
std::string_view thanksNote();

// Why the program cannot start where it finds no display to show its windows on.
std::string_view noDisplayMessage();

// The report of a failed access to `control`, while doing `operation`.
std::string runTimeErrorMessage(std::string_view control, std::string_view operation);

}  // namespace design
