#include "settings_place.h"

SettingsPlaces ChooseSettingsPlaces(const SettingsPlaceFacts& facts) {
    using enum SettingsPlace;
    // Without a per-user folder there is nowhere else: the folder's file, whose write then fails
    // and is said.
    if (facts.folderWritable || !facts.perUserKnown) return {folder, folder};
    if (facts.perUserExists) return {perUser, perUser};
    return {folder, perUser};
}
