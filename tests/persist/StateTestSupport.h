#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <ostream>

#include "persist/SavedState.h"

// Readable failures for Qt's strings.
void PrintTo(const QString& text, std::ostream* out);
void PrintTo(const QByteArray& bytes, std::ostream* out);

namespace persist {
// The items of a state, one per line.
void PrintTo(const SavedState& state, std::ostream* out);
}  // namespace persist

namespace persist::test {

// A state with every item set to something other than its neutral value.
SavedState SampleState();

// The state file of SampleState(), written out by hand, item by item.
QByteArray SampleFileText();

// The lines of SampleFileText() without their CR LF; the last one is the
// output item, whose own line breaks stay in it.
QList<QByteArray> SampleFileLines();

// `lines` each followed by CR LF.
QByteArray JoinLines(const QList<QByteArray>& lines);

// A state holding the first `count` items of `full` and neutral values else.
SavedState FirstItems(const SavedState& full, int count);

QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);

// Points XDG_DATA_HOME elsewhere for the life of the object.
class ScopedDataHome {
public:
    explicit ScopedDataHome(const QString& folder);
    ~ScopedDataHome();
    ScopedDataHome(const ScopedDataHome&) = delete;
    ScopedDataHome& operator=(const ScopedDataHome&) = delete;

private:
    QByteArray m_old;
    bool m_wasSet;
};

}  // namespace persist::test
