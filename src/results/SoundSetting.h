#pragma once
// Whether the game's sounds are on, kept per user in the game's settings store in a group of
// its own, apart from the best result: on Windows the value "On" of the registry key
// HKEY_CURRENT_USER\Software\Harvesta\Sound; elsewhere Software/Harvesta/Sound/On in the
// user's Harvesta.ini. Sound is on unless the store says otherwise.

namespace harvesta {

// The stored choice; on when there is none. A value that says neither yes nor no (a
// hand-edited file) leaves sound on, is reported once and stays in the file as it is.
bool ReadSoundOn();

// Stores the choice. A settings file that the rewrite would change is kept aside first, as
// for a record; a file its owner marked read-only is left alone. False when nothing was stored.
bool WriteSoundOn(bool on);

} // namespace harvesta
