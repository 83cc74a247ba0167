// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/errors.h"
#include "core/settings_record.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kvr {

// One value a patch changes: its name in the JSON form of a settings file, the value it
// replaces and its new value, both as that form writes them. A byte no named field shows
// (an unused place, text after a name's end, an on/off byte other than 0 and 1) is
// named "raw_bytes.0x74B" and takes a number from 0 to 255.
struct PatchChange {
    std::string name;
    nlohmann::json from;
    nlohmann::json to;
    bool operator==(const PatchChange&) const = default;
};

// What a patch says about itself, for the people who share it: texts in UTF-8, any of
// them empty (then not written). `madeWith` names the program that wrote it.
struct PatchAbout {
    std::string title;
    std::string author;
    std::string description;
    std::string madeWith;
    bool operator==(const PatchAbout&) const = default;
};

// The longest texts PatchAbout holds, in characters: a title fits a list's line, a
// description a few paragraphs.
inline constexpr std::size_t kMaxPatchTitleChars = 100;
inline constexpr std::size_t kMaxPatchAuthorChars = 100;
inline constexpr std::size_t kMaxPatchDescriptionChars = 4000;
inline constexpr std::size_t kMaxPatchMadeWithChars = 100;

// The values in which one record differs from another: a mod that can be shared and
// laid over other records, together with other patches (a *.kvpatch file).
struct RecordPatch {
    std::vector<PatchChange> changes;
    PatchAbout about;
    bool operator==(const RecordPatch&) const = default;
};

inline constexpr int kPatchFormatVersion = 1;

// A patch of every byte of the record is about 200 KB; anything far larger is not one.
inline constexpr std::uint64_t kMaxPatchFileBytes = 16ull * 1024 * 1024;

// What is wrong inside a patch, as against its file: the front ends say which patch.
class PatchError : public GeneralError {
  public:
    using GeneralError::GeneralError;
};

// What turns `base` into `changed`, byte for byte: the named fields that differ, then
// any byte they leave different.
RecordPatch makePatch(const SettingsRecord& base, const SettingsRecord& changed);

// The values a window shows in which `changed` differs from `base`, by their fields
// only: no settings description and no bytes no window shows (a name's field after its
// text, the unused places, which byte an on/off value is). For sharing a mod with
// someone whose settings differ in what no game reads.
RecordPatch makeValuesPatch(const SettingsRecord& base, const SettingsRecord& changed);

// The *.kvpatch text (JSON, see docs/patch-format.md) and back. Each change is written
// with its label, the words the windows use for the value, which is for people reading
// the file and ignored when read. parsePatch() throws PatchError for text that is not a
// patch (JSON nested too deep and a key given twice included), naming the field for one
// it does not know, a value outside its field's range, or a byte of the record two
// changes write (one field twice, or a field and one of its bytes by its raw name), and
// naming the key of a title, author, description or program that is no text, too long
// or holds a control character. Values come back as the JSON form writes them (an on/off
// 1 becomes true).
std::string patchText(const RecordPatch& patch);
RecordPatch parsePatch(std::string_view text);

// The patch as JSON, as patchText() writes it, and the patch from parsed JSON (as
// parsePatch() takes it), for files that hold patches among other things.
nlohmann::ordered_json patchJson(const RecordPatch& patch);
RecordPatch patchFromJson(const nlohmann::json& json);

// A *.kvpatch file, for every front end: InputFileError when it cannot be read (or is
// longer than kMaxPatchFileBytes), PatchError when it is no patch.
RecordPatch readPatchFile(const std::filesystem::path& file);

// The bytes each change of a parsed patch writes, in order: the place in the record,
// the value and the change's index. A word writes two, a text its length and characters.
struct PatchByte {
    std::size_t offset = 0;
    std::uint8_t value = 0;
    std::size_t change = 0;
};
std::vector<PatchByte> patchBytes(const RecordPatch& patch);

// Two patches setting a byte of the record to different values, by one name or two
// (team_names[0] and raw_bytes.0x3F1, a byte of its text).
struct PatchConflict {
    std::string firstName;
    std::string secondName;
    std::size_t byte = 0;       // the first byte they share
    std::size_t firstPatch = 0; // indexes into the patches applied
    std::size_t secondPatch = 0;
    nlohmann::json firstValue;
    nlohmann::json secondValue;
};

// A value that held neither what the patch expects to replace nor its new value; it was
// changed all the same.
struct UnexpectedValue {
    std::size_t patch = 0;
    std::string name;
    std::string label;    // as the editors call it
    std::string expected; // as the editors show it
    std::string found;
    Message expectedShown; // `expected` as the windows show it
    Message shownLabel;    // `label`, translated where shown
};

enum class OnConflict { Refuse, LastWins };

struct PatchOutcome {
    SettingsRecord record; // the base, untouched, when conflicts refused the patches
    std::vector<PatchConflict> conflicts;
    std::vector<UnexpectedValue> unexpected;
};

// Lays the patches over `base` in order. With OnConflict::Refuse, two patches writing one
// byte with different values leave the record as it was and are listed in `conflicts`;
// with LastWins the later patch's value stays. Throws GeneralError for a change naming an
// unknown field or a value out of range (parsed patches have none).
PatchOutcome applyPatches(const SettingsRecord& base, const std::vector<RecordPatch>& patches,
                          OnConflict onConflict = OnConflict::Refuse);

// What applying changes, one line per value as the export preview lists them ("Team 3
// engine, qualifying: 745 → 795 BHP"), a value the patch did not expect marked with what
// it expected.
// The values name their teams and drivers by the names in `current` and the tracks by
// `trackNames` (numbered without them).
std::vector<Message> patchPreviewLines(const SettingsRecord& current, const PatchOutcome& outcome,
                                       const std::vector<std::string>& trackNames = {});

// The text above that list.
Message patchPreviewHeading(const SettingsRecord& current, const PatchOutcome& outcome);

// "grip.race[3]: first.kvpatch sets 12000, second.kvpatch sets 12500"; for two names
// "team_names[0] and raw_bytes.0x3F1 share byte 0x3F1: a.kvpatch sets team_names[0] to
// ..., b.kvpatch sets raw_bytes.0x3F1 to 65".
std::string conflictText(const PatchConflict& conflict, const std::vector<std::string>& patchNames);

} // namespace kvr
