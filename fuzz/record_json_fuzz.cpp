// from-json on arbitrary text: it makes a record or refuses with a message, and a record
// it makes goes through to-json and back unchanged.
#include "game/record_json.h"
#include "core/errors.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kvr::SettingsRecord record;
    try {
        const nlohmann::json j = nlohmann::json::parse(data, data + size);
        record = kvr::recordFromJson(j);
    } catch (const kvr::GeneralError&) {
        return 0;
    } catch (const nlohmann::json::exception&) {
        return 0;
    }
    const kvr::SettingsRecord again = kvr::recordFromJson(nlohmann::json::parse(kvr::recordToJson(record).dump()));
    if (!(again == record))
        __builtin_trap();
    return 0;
}
