// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for a file handed to the import: any bytes give records or a refusal, and
// every entry read is one a day file can hold, with no value below zero.
#include "import/CsvReader.h"
#include "import/ImportFile.h"
#include "import/ImportPlan.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto copy = std::make_unique<char[]>(size);
    if (size > 0)
        std::memcpy(copy.get(), data, size);
    const std::string_view bytes(copy.get(), size);

    for (const CsvReader::Record &record : CsvReader::Parse(bytes)) {
        if (record.fields.empty() || record.line == 0)
            std::abort();
    }
    const ImportFile::Content content = ImportFile::Read(bytes);
    if (content.format == ImportFile::Format::Unknown &&
        (content.problems.empty() || !content.entries.empty()))
        std::abort();
    for (const ImportFile::Entry &entry : content.entries) {
        const MealEntry made = ImportPlan::MakeEntry(entry);
        for (const float value : made.contributions()) {
            if (!(value >= 0.0f) || std::isinf(value))
                std::abort();
        }
    }
    for (const ImportFile::Weight &weight : content.weights) {
        if (!(weight.value > 0.0))
            std::abort();
    }
    return 0;
}
