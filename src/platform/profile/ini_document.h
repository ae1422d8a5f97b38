#pragma once
// The text of a profile file as lines, read the way the profile functions read
// it and edited line by line, so a rewrite changes only the lines concerned.
//
// Reading rules: lines end in CR LF, LF or CR; a line whose first non-blank
// character is ';' is a comment; "[name]" starts a section (the name is what lies
// between '[' and the last ']', blanks trimmed); inside a section a line with
// '=' is an entry, its name and value trimmed of blanks (spaces and tabs); any
// other line is ignored. Names match without regard to letter case, and the
// first section (and, inside it, the first entry) of a name is the one used.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace tvx {

class IniDocument {
public:
    static IniDocument parse(const QString& text);
    QString text() const;

    // Section names in file order (sections without a name are left out).
    QStringList sectionNames() const;
    // Entry names of the section in file order; no value when there is no such section.
    std::optional<QStringList> keyNames(const QString& section) const;
    // The entry's value, blanks trimmed; no value when section or entry is missing.
    std::optional<QString> value(const QString& section, const QString& key) const;

    // Each edit answers whether the text changed.
    // Replaces the entry's line, or adds the entry after the section's last
    // non-blank line, or adds the section at the end of the file.
    bool setValue(const QString& section, const QString& key, const QString& value);
    // Removes every entry of that name from the section.
    bool removeKey(const QString& section, const QString& key);
    // Removes every section of that name, header to the next header.
    bool removeSection(const QString& section);

private:
    struct Line {
        QString text;
        QString end;  // "\r\n", "\n", "\r", or "" for a last line without an end
    };
    struct Span {
        qsizetype header;  // index of the "[name]" line
        qsizetype end;     // index after the section's last line
    };

    std::vector<Span> sectionsNamed(const QString& section) const;
    std::optional<qsizetype> entryLine(const Span& span, const QString& key) const;
    void insertLine(qsizetype index, const QString& text);

    std::vector<Line> lines_;
    QString newline_ = QStringLiteral("\r\n");  // the file's first line end, for new lines
};

}  // namespace tvx
