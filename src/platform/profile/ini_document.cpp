#include "platform/profile/ini_document.h"

#include <algorithm>

namespace tvx {
namespace {

enum class Kind { Blank, Comment, Section, Entry, Other };

struct LineInfo {
    Kind kind = Kind::Other;
    QString name;
    QString value;
};

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

QString trimBlanks(QStringView s) {
    qsizetype from = 0;
    qsizetype to = s.size();
    while (from < to && isBlank(s[from])) ++from;
    while (to > from && isBlank(s[to - 1])) --to;
    return s.mid(from, to - from).toString();
}

LineInfo classify(const QString& line) {
    const QString text = trimBlanks(line);
    if (text.isEmpty()) return {Kind::Blank, {}, {}};
    if (text.startsWith(u';')) return {Kind::Comment, {}, {}};
    if (text.startsWith(u'[')) {
        const qsizetype close = text.lastIndexOf(u']');
        if (close > 0) return {Kind::Section, trimBlanks(QStringView(text).mid(1, close - 1)), {}};
    }
    const qsizetype eq = text.indexOf(u'=');
    if (eq < 0) return {Kind::Other, {}, {}};
    return {Kind::Entry, trimBlanks(QStringView(text).left(eq)), trimBlanks(QStringView(text).mid(eq + 1))};
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

}  // namespace

IniDocument IniDocument::parse(const QString& text) {
    IniDocument doc;
    bool newlineSeen = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') continue;
        const qsizetype endLength = (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ? 2 : 1;
        const QString end = text.mid(i, endLength);
        doc.lines_.push_back({text.mid(start, i - start), end});
        if (!newlineSeen) doc.newline_ = end;
        newlineSeen = true;
        i += endLength - 1;
        start = i + 1;
    }
    if (start < text.size()) doc.lines_.push_back({text.mid(start), {}});
    return doc;
}

QString IniDocument::text() const {
    QString out;
    for (const Line& line : lines_) out += line.text + line.end;
    return out;
}

QStringList IniDocument::sectionNames() const {
    QStringList names;
    for (const Line& line : lines_) {
        const LineInfo info = classify(line.text);
        if (info.kind == Kind::Section && !info.name.isEmpty()) names << info.name;
    }
    return names;
}

std::optional<QStringList> IniDocument::keyNames(const QString& section) const {
    const auto spans = sectionsNamed(section);
    if (spans.empty()) return std::nullopt;
    QStringList names;
    for (qsizetype i = spans.front().header + 1; i < spans.front().end; ++i) {
        const LineInfo info = classify(lines_[i].text);
        if (info.kind == Kind::Entry && !info.name.isEmpty()) names << info.name;
    }
    return names;
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const {
    const auto spans = sectionsNamed(section);
    if (spans.empty()) return std::nullopt;
    const auto line = entryLine(spans.front(), key);
    if (!line) return std::nullopt;
    return classify(lines_[*line].text).value;
}

bool IniDocument::setValue(const QString& section, const QString& key, const QString& value) {
    const QString entry = key + u'=' + value;
    const auto spans = sectionsNamed(section);
    if (spans.empty()) {
        insertLine(std::ssize(lines_), u'[' + section + u']');
        insertLine(std::ssize(lines_), entry);
        return true;
    }
    const Span span = spans.front();
    if (const auto line = entryLine(span, key)) {
        if (lines_[*line].text == entry) return false;
        lines_[*line].text = entry;
        return true;
    }
    qsizetype after = span.end;
    while (after - 1 > span.header && classify(lines_[after - 1].text).kind == Kind::Blank) --after;
    insertLine(after, entry);
    return true;
}

bool IniDocument::removeKey(const QString& section, const QString& key) {
    const auto spans = sectionsNamed(section);
    if (spans.empty()) return false;
    bool removed = false;
    for (qsizetype i = spans.front().end - 1; i > spans.front().header; --i) {
        const LineInfo info = classify(lines_[i].text);
        if (info.kind == Kind::Entry && sameName(info.name, key)) {
            lines_.erase(lines_.begin() + i);
            removed = true;
        }
    }
    return removed;
}

bool IniDocument::removeSection(const QString& section) {
    const auto spans = sectionsNamed(section);
    // Back to front, so the earlier spans' indexes stay valid.
    for (auto span = spans.rbegin(); span != spans.rend(); ++span) {
        lines_.erase(lines_.begin() + span->header, lines_.begin() + span->end);
    }
    return !spans.empty();
}

std::vector<IniDocument::Span> IniDocument::sectionsNamed(const QString& section) const {
    std::vector<Span> spans;
    qsizetype open = -1;  // header of the matching section being scanned
    for (qsizetype i = 0; i < std::ssize(lines_); ++i) {
        const LineInfo info = classify(lines_[i].text);
        if (info.kind != Kind::Section) continue;
        if (open >= 0) spans.push_back({open, i});
        open = sameName(info.name, section) ? i : -1;
    }
    if (open >= 0) spans.push_back({open, std::ssize(lines_)});
    return spans;
}

std::optional<qsizetype> IniDocument::entryLine(const Span& span, const QString& key) const {
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        const LineInfo info = classify(lines_[i].text);
        if (info.kind == Kind::Entry && sameName(info.name, key)) return i;
    }
    return std::nullopt;
}

void IniDocument::insertLine(qsizetype index, const QString& text) {
    if (index > 0 && lines_[index - 1].end.isEmpty()) lines_[index - 1].end = newline_;
    lines_.insert(lines_.begin() + index, Line{text, newline_});
}

}  // namespace tvx
