// What a screen reader says of the main window beyond its visible captions: each box's
// column and phase, and the announcements that follow a choice or a Reset.
#pragma once

#include <QString>

#include "pairing/pairing_board.h"

namespace ui {

// "Femelle : Albinos", "Mâle : Het Albinos".
QString spokenName(pairing::PhaseBox box);

// Said after `box` changed and its click handling ran: the answer when there is one, then
// what became of the other phases of its parent. Empty for a Value that is neither 0 nor 1.
QString announcementAfterClick(const pairing::PairingBoard& board, pairing::PhaseBox box);

// Said after Reset.
QString announcementAfterReset();

}  // namespace ui
