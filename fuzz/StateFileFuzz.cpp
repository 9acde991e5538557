// The state-file reader on any bytes. For a text that parses (all 22 items),
// the file written for the state read parses back to the same state, and
// writing that state again gives the same bytes: save -> restore round trip.
// A text that stops early reports how far it got and why.

#include <QByteArray>
#include <QString>

#include <string>

#include "FuzzCheck.h"
#include "persist/StateReader.h"
#include "persist/StateWriter.h"

namespace {

std::string Show(const QByteArray& bytes) {
    return "\"" + QString::fromUtf8(bytes.left(400)).toStdString() + "\"";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    const persist::StateReadResult read = persist::ParseStateText(text);

    FUZZ_CHECK(read.itemsRead >= 0 && read.itemsRead <= 22,
               "items read: " + std::to_string(read.itemsRead));
    FUZZ_CHECK(read.ok == (read.itemsRead == 22), "ok and the item count disagree");
    FUZZ_CHECK(read.ok == read.error.isEmpty(),
               "ok and the error disagree: " + read.error.toStdString());
    if (!read.ok) return 0;

    const QByteArray saved = persist::StateFileText(read.state);
    const persist::StateReadResult again = persist::ParseStateText(saved);
    FUZZ_CHECK(again.ok, "the written file " + Show(saved) +
                             " does not read back: " + again.error.toStdString());
    FUZZ_CHECK(again.state == read.state,
               "the written file " + Show(saved) + " reads back as another state");
    FUZZ_CHECK(persist::StateFileText(again.state) == saved,
               "writing the state read back changes the file " + Show(saved));
    return 0;
}
