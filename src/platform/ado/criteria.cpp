#include "platform/ado/criteria.h"

#include "platform/ado/ado_errors.h"
#include "platform/ado/value_compare.h"
#include "platform/ado/value_text.h"
#include "platform/automation/conversions.h"

#include <QStringView>
#include <optional>

namespace tvx::ado {

namespace {

using Node = Criteria::Node;
using Clause = Criteria::Clause;
using Op = Criteria::Op;

[[noreturn]] void malformed() { raise(err::BadArguments); }

struct Token {
    enum class Kind { End, Open, Close, Name, Word, Text, Date, Operator } kind = Kind::End;
    QString text;
};

class Tokenizer {
public:
    explicit Tokenizer(QStringView text) : text_(text) {}

    Token next() {
        while (pos_ < text_.size() && text_[pos_].isSpace()) ++pos_;
        if (pos_ >= text_.size()) return {};
        const QChar c = text_[pos_];
        if (c == u'(') return single(Token::Kind::Open);
        if (c == u')') return single(Token::Kind::Close);
        if (c == u'[') return delimited(Token::Kind::Name, u']');
        if (c == u'#') return delimited(Token::Kind::Date, u'#');
        if (c == u'\'') return quoted();
        if (c == u'<' || c == u'>' || c == u'=') return comparison();
        return word();
    }

private:
    static bool endsWord(QChar c) {
        return c.isSpace() || c == u'(' || c == u')' || c == u'[' || c == u']' || c == u'\'' || c == u'#' ||
               c == u'<' || c == u'>' || c == u'=';
    }

    Token single(Token::Kind kind) {
        ++pos_;
        return {kind, {}};
    }

    Token delimited(Token::Kind kind, QChar close) {
        const qsizetype end = text_.indexOf(close, pos_ + 1);
        if (end < 0) malformed();
        Token t{kind, text_.mid(pos_ + 1, end - pos_ - 1).toString()};
        pos_ = end + 1;
        return t;
    }

    // '...' with a doubled quote standing for one.
    Token quoted() {
        QString s;
        for (qsizetype i = pos_ + 1; i < text_.size(); ++i) {
            if (text_[i] != u'\'') {
                s += text_[i];
            } else if (i + 1 < text_.size() && text_[i + 1] == u'\'') {
                s += u'\'';
                ++i;
            } else {
                pos_ = i + 1;
                return {Token::Kind::Text, s};
            }
        }
        malformed();
    }

    Token comparison() {
        const QChar c = text_[pos_];
        const QChar n = pos_ + 1 < text_.size() ? text_[pos_ + 1] : QChar();
        const bool two = (c == u'<' && (n == u'=' || n == u'>')) || (c == u'>' && n == u'=');
        Token t{Token::Kind::Operator, text_.mid(pos_, two ? 2 : 1).toString()};
        pos_ += two ? 2 : 1;
        return t;
    }

    Token word() {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && !endsWord(text_[pos_])) ++pos_;
        if (pos_ == start) malformed();  // a stray ']'
        return {Token::Kind::Word, text_.mid(start, pos_ - start).toString()};
    }

    QStringView text_;
    qsizetype pos_ = 0;
};

bool isKeyword(const Token& t, const char16_t* keyword) {
    return t.kind == Token::Kind::Word && t.text.compare(QStringView(keyword), Qt::CaseInsensitive) == 0;
}

Op operatorOf(const QString& symbol) {
    if (symbol == u"=") return Op::Equal;
    if (symbol == u"<>") return Op::NotEqual;
    if (symbol == u"<") return Op::Less;
    if (symbol == u">") return Op::Greater;
    if (symbol == u"<=") return Op::LessOrEqual;
    return Op::GreaterOrEqual;
}

// A number as criteria write them: invariant, with an optional currency sign.
Variant numberLiteral(const QString& word) {
    QString digits = word;
    digits.remove(u'$');
    const auto n = parseNumber(digits);
    if (!n || digits.isEmpty()) malformed();
    return Variant(*n);
}

Variant dateLiteral(const QString& text) {
    if (auto d = parseIsoDateTime(text)) return Variant(*d);
    if (auto d = parseUsDateTime(text)) return Variant(*d);
    malformed();
}

std::optional<bool> booleanWord(const QString& text) {
    if (text.compare(u"True", Qt::CaseInsensitive) == 0) return true;
    if (text.compare(u"False", Qt::CaseInsensitive) == 0) return false;
    return std::nullopt;
}

// The criterion's value as the field's type takes it.
Variant valueForField(const FieldInfo& field, const Token& literal) {
    const ValueKind kind = valueKindOf(field.type);
    if (literal.kind == Token::Kind::Date) return dateLiteral(literal.text);
    if (kind == ValueKind::Boolean)
        if (const auto b = booleanWord(literal.text)) return Variant(*b);
    if (literal.kind == Token::Kind::Word) {
        const Variant number = numberLiteral(literal.text);
        return kind == ValueKind::Text ? Variant(literal.text) : number;
    }
    // A quoted text.
    if (kind == ValueKind::Text) return Variant(literal.text);
    if (kind == ValueKind::Date) {
        try {
            return Variant(CDate(Variant(literal.text)));
        } catch (const AutomationError&) {
            malformed();
        }
    }
    if (const auto n = parseNumber(literal.text)) return Variant(*n);
    malformed();
}

void setLikePattern(Clause& clause, const Token& literal) {
    if (literal.kind != Token::Kind::Text) malformed();
    QString p = literal.text;
    auto isWild = [](QChar c) { return c == u'*' || c == u'%'; };
    const bool leading = !p.isEmpty() && isWild(p.front());
    const bool trailing = !p.isEmpty() && isWild(p.back());
    if (leading && !trailing && p.size() > 1) malformed();  // "*abc": only at the end or at both ends
    if (leading) p.remove(0, 1);
    if (trailing && !p.isEmpty()) p.chop(1);
    if (p.contains(u'*') || p.contains(u'%')) malformed();
    clause.like =
        leading ? Criteria::LikeShape::Contains : (trailing ? Criteria::LikeShape::Prefix : Criteria::LikeShape::Exact);
    clause.value = Variant(p);
}

class Parser {
public:
    Parser(const QString& text, const std::vector<FieldInfo>& fields) : tokens_(text), fields_(fields) { advance(); }

    Node parseAll() {
        Node root = expression();
        if (current_.kind != Token::Kind::End) malformed();
        return root;
    }

private:
    void advance() { current_ = tokens_.next(); }

    Node expression() {
        Node left = term();
        for (;;) {
            Node::Kind kind;
            if (isKeyword(current_, u"AND"))
                kind = Node::Kind::And;
            else if (isKeyword(current_, u"OR"))
                kind = Node::Kind::Or;
            else
                return left;
            advance();
            left = combine(kind, std::move(left), term());
        }
    }

    // Left to right: "A OR B AND C" is "(A OR B) AND C", which is refused
    // like any OR group joined by AND.
    static Node combine(Node::Kind kind, Node left, Node right) {
        if (kind == Node::Kind::And && (left.kind == Node::Kind::Or || right.kind == Node::Kind::Or)) malformed();
        if (left.kind == kind) {
            left.children.push_back(std::move(right));
            return left;
        }
        Node n;
        n.kind = kind;
        n.children.push_back(std::move(left));
        n.children.push_back(std::move(right));
        return n;
    }

    Node term() {
        if (current_.kind == Token::Kind::Open) {
            // Deeper groups would only exhaust the stack (found by the criteria fuzz target).
            if (++depth_ > kMaxDepth) malformed();
            advance();
            Node inner = expression();
            if (current_.kind != Token::Kind::Close) malformed();
            advance();
            --depth_;
            return inner;
        }
        Node n;
        n.clause = clause();
        return n;
    }

    Clause clause() {
        if (current_.kind != Token::Kind::Name && current_.kind != Token::Kind::Word) malformed();
        Clause c;
        c.column = findField(fields_, current_.text);
        if (c.column < 0) raise(err::ItemNotFound);
        advance();
        if (current_.kind == Token::Kind::Operator)
            c.op = operatorOf(current_.text);
        else if (isKeyword(current_, u"LIKE"))
            c.op = Op::Like;
        else
            malformed();
        advance();
        const Token literal = current_;
        if (literal.kind != Token::Kind::Text && literal.kind != Token::Kind::Date && literal.kind != Token::Kind::Word)
            malformed();
        if (c.op == Op::Like)
            setLikePattern(c, literal);
        else
            c.value = valueForField(fields_[std::size_t(c.column)], literal);
        advance();
        return c;
    }

    static constexpr int kMaxDepth = 100;

    Tokenizer tokens_;
    const std::vector<FieldInfo>& fields_;
    Token current_;
    int depth_ = 0;
};

bool clauseMatches(const Clause& c, std::span<const Variant> row) {
    const Variant& cell = row[std::size_t(c.column)];
    if (c.op == Op::Like) {
        if (cell.isNull() || cell.isEmpty()) return false;
        const QString text = valueText(cell);
        const QString& pattern = c.value.asString();
        switch (c.like) {
            case Criteria::LikeShape::Exact:
                return text.compare(pattern, Qt::CaseInsensitive) == 0;
            case Criteria::LikeShape::Prefix:
                return text.startsWith(pattern, Qt::CaseInsensitive);
            case Criteria::LikeShape::Contains:
                return text.contains(pattern, Qt::CaseInsensitive);
        }
        return false;
    }
    const auto order = compareForCriteria(cell, c.value);
    if (!order) return false;
    switch (c.op) {
        case Op::Equal:
            return *order == 0;
        case Op::NotEqual:
            return *order != 0;
        case Op::Less:
            return *order < 0;
        case Op::Greater:
            return *order > 0;
        case Op::LessOrEqual:
            return *order <= 0;
        case Op::GreaterOrEqual:
            return *order >= 0;
        case Op::Like:
            break;
    }
    return false;
}

bool nodeMatches(const Node& n, std::span<const Variant> row) {
    switch (n.kind) {
        case Node::Kind::Clause:
            return clauseMatches(n.clause, row);
        case Node::Kind::And:
            for (const auto& child : n.children)
                if (!nodeMatches(child, row)) return false;
            return true;
        case Node::Kind::Or:
            for (const auto& child : n.children)
                if (nodeMatches(child, row)) return true;
            return false;
    }
    return false;
}

}  // namespace

Criteria Criteria::parse(const QString& text, const std::vector<FieldInfo>& fields) {
    return Criteria(Parser(text, fields).parseAll());
}

Criteria Criteria::parseSingle(const QString& text, const std::vector<FieldInfo>& fields) {
    Node root = Parser(text, fields).parseAll();
    if (root.kind != Node::Kind::Clause) malformed();
    return Criteria(std::move(root));
}

bool Criteria::matches(std::span<const Variant> row) const { return nodeMatches(root_, row); }

}  // namespace tvx::ado
