#include "persist/StateReader.h"

#include <QFile>
#include <QFileInfo>
#include <QStringView>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <optional>
#include <span>

namespace persist {

namespace {

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool IsLineEnd(QChar c) { return c == u'\n' || c == u'\r'; }

// Walks through the file's text; knows the syntax of the items, not their kinds.
class ItemScanner {
public:
    explicit ItemScanner(QStringView text) : m_text(text) {}

    // Skips the blanks before an item; false when the text ends first.
    bool SeekItem() {
        while (m_pos < m_text.size() && IsBlank(m_text[m_pos])) ++m_pos;
        return m_pos < m_text.size();
    }

    bool AtQuote() const { return m_text[m_pos] == u'"'; }

    // The text up to the next comma or line end, which is passed, without its
    // trailing blanks.
    QStringView Field() {
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] != u',' && !IsLineEnd(m_text[m_pos])) ++m_pos;
        QStringView field = m_text.sliced(start, m_pos - start);
        if (m_pos < m_text.size()) {
            if (m_text[m_pos] == u',') {
                ++m_pos;
            } else {
                PassLineEnd();
            }
        }
        while (!field.isEmpty() && IsBlank(field.back())) field.chop(1);
        return field;
    }

    // At an opening quote: the text up to the closing quote, with "" read as
    // one quote; the rest of that line is skipped. Nothing when the text ends
    // before the closing quote.
    std::optional<QString> QuotedText() {
        QString value;
        ++m_pos;
        for (;;) {
            const qsizetype quote = m_text.indexOf(u'"', m_pos);
            if (quote < 0) return std::nullopt;
            value += m_text.sliced(m_pos, quote - m_pos);
            m_pos = quote + 1;
            if (m_pos >= m_text.size() || m_text[m_pos] != u'"') break;
            value += u'"';
            ++m_pos;
        }
        while (m_pos < m_text.size() && !IsLineEnd(m_text[m_pos])) ++m_pos;
        if (m_pos < m_text.size()) PassLineEnd();
        return value;
    }

private:
    // At CR or LF: passes CR LF, LF or CR.
    void PassLineEnd() {
        if (m_text[m_pos] == u'\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\n') {
            ++m_pos;
        }
        ++m_pos;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

// Reads the items in order, counts those read and describes the first failure.
class ItemReader {
public:
    explicit ItemReader(QStringView text) : m_scanner(text) {}

    int ItemsRead() const { return m_itemsRead; }
    const QString& Error() const { return m_error; }

    bool String(QString& value) {
        if (!m_scanner.SeekItem()) return Missing();
        if (m_scanner.AtQuote()) {
            std::optional<QString> quoted = m_scanner.QuotedText();
            if (!quoted) {
                return Fail(QStringLiteral("Item %1 has no closing double quote.").arg(NextItem()));
            }
            value = std::move(*quoted);
        } else {
            value = m_scanner.Field().toString();
        }
        ++m_itemsRead;
        return true;
    }

    bool Integer(int& value) {
        if (!ReadInteger(value)) return false;
        ++m_itemsRead;
        return true;
    }

    bool Integers(std::span<int> values) {
        for (int& value : values) {
            if (!Integer(value)) return false;
        }
        return true;
    }

    bool BinsIndex(int& value) {
        int index = 0;
        if (!ReadInteger(index)) return false;
        if (index < -1 || index >= kBinsEntryCount) {
            return Fail(QStringLiteral("Item %1: the bins list has no entry %2.")
                            .arg(NextItem())
                            .arg(index));
        }
        value = index;
        ++m_itemsRead;
        return true;
    }

private:
    int NextItem() const { return m_itemsRead + 1; }

    bool Fail(QString description) {
        m_error = std::move(description);
        return false;
    }

    bool Missing() {
        return Fail(QStringLiteral("The state file ends before item %1.").arg(NextItem()));
    }

    bool ReadInteger(int& value) {
        if (!m_scanner.SeekItem()) return Missing();
        bool isNumber = false;
        const int number = m_scanner.Field().toInt(&isNumber, 10);
        if (!isNumber) return Fail(QStringLiteral("Item %1 is not a number.").arg(NextItem()));
        value = number;
        return true;
    }

    ItemScanner m_scanner;
    int m_itemsRead = 0;
    QString m_error;
};

StateReadResult ReadFailure(QString description) {
    StateReadResult result;
    result.error = std::move(description);
    return result;
}

StateReadResult ReadExistingFile(const QString& path, const QFileInfo& info) {
    if (!info.isFile() && !info.isDir()) {
        return ReadFailure(QStringLiteral("%1 is not a regular file.").arg(path));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return ReadFailure(QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
    }
    // One byte over the limit tells a file that is too large, whatever its kind.
    const QByteArray bytes = file.read(kMaxStateFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        return ReadFailure(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    }
    if (bytes.size() > kMaxStateFileBytes) {
        return ReadFailure(
            QStringLiteral("%1 is larger than 16 MB and is not a state file.").arg(path));
    }
    return ParseStateText(bytes);
}

}  // namespace

bool WasRead(const StateReadResult& result, int item) { return item <= result.itemsRead; }

StateReadResult ParseStateText(const QByteArray& bytes) {
    const QString text = QString::fromUtf8(bytes);
    StateReadResult result;
    SavedState& state = result.state;
    ItemReader reader(text);
    QString separatorLine;
    result.ok = reader.String(state.startNumber) && reader.String(state.endNumber) &&
                reader.String(state.filterA) && reader.String(state.filterType) &&
                reader.String(state.filterB) && reader.Integer(state.separatorCode) &&
                reader.Integers(state.modeOptions) && reader.Integer(state.showPalmenColor) &&
                reader.Integer(state.showEKValue) && reader.BinsIndex(state.binsIndex) &&
                reader.String(state.resetCaption) && reader.String(state.savedFilterA) &&
                reader.String(state.savedFilterB) && reader.String(separatorLine) &&
                reader.String(state.outputText);
    result.itemsRead = reader.ItemsRead();
    result.error = reader.Error();
    return result;
}

StateReadResult ReadStateFile(const StateFileLocation& location) {
    if (!location.folderReady) return ReadFailure(location.error);
    const QFileInfo info(location.path);
    if (!info.exists()) return ReadFailure(QStringLiteral("File not found: %1").arg(location.path));
    StateReadResult result = ReadExistingFile(location.path, info);
    result.unreadableFile = !result.ok && !info.isDir();
    return result;
}

QString KeptAsidePath(const StateFileLocation& location) {
    return location.path + QStringLiteral(".bad");
}

QString KeepUnreadableFile(const StateFileLocation& location) {
    // rename() replaces an older kept file in one step.
    if (std::rename(QFile::encodeName(location.path).constData(),
                    QFile::encodeName(KeptAsidePath(location)).constData()) != 0) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    return {};
}

}  // namespace persist
