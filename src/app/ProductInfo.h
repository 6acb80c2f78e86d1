#pragma once

#include <string>

namespace tarnbrook {

// The program's identity, shared by the window title and the about box. The web address begins
// with "https://www." because the about box makes the mail address from what follows it.
inline const char* const kProductName = "Tarnbrook";
// The domain is under .test, which is reserved and never anybody's; it is short enough for the
// about box's link cells (200 and 150 pixels) to show both addresses whole.
inline const char* const kWebAddress = "https://www.tarnbrook.test";
inline const char* const kOwnershipNotice = "Copyright (C) 2026 The Tarnbrook developers";
// The about box writes to this mailbox at the web address's domain.
inline const char* const kMailboxName = "info";
inline const char* const kNoticeText =
    "Tarnbrook is free to play and to share. Uncover every safe square of the field: a number "
    "tells how many of its eight neighbours hide a hazard. Each level adds two hazards.";

// "Tarnbrook - " + web address + " " + ownership notice.
std::string ComposeTitle();

}  // namespace tarnbrook
