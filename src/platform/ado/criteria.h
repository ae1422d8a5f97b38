#pragma once
// Filter and Find criteria: clauses "Field Op Value" joined by AND / OR,
// read left to right with no precedence, parenthesised groups allowed.
#include "platform/ado/field_info.h"
#include "platform/automation/variant.h"

#include <QString>
#include <span>
#include <vector>

namespace tvx::ado {

class Criteria {
public:
    // Raises 3265 for a field that `fields` does not have and 3001 for any
    // other fault of the text (including an OR group joined by AND, and groups
    // nested more than 100 deep).
    static Criteria parse(const QString& text, const std::vector<FieldInfo>& fields);
    // A search criterion: exactly one clause.
    static Criteria parseSingle(const QString& text, const std::vector<FieldInfo>& fields);

    bool matches(std::span<const Variant> row) const;

    enum class Op { Equal, NotEqual, Less, Greater, LessOrEqual, GreaterOrEqual, Like };
    // LIKE patterns: wildcards only at the end or at both ends.
    enum class LikeShape { Exact, Prefix, Contains };
    struct Clause {
        int column = 0;
        Op op = Op::Equal;
        Variant value;
        LikeShape like = LikeShape::Exact;
    };
    struct Node {
        enum class Kind { Clause, And, Or } kind = Kind::Clause;
        Clause clause;
        std::vector<Node> children;
    };

private:
    explicit Criteria(Node root) : root_(std::move(root)) {}
    Node root_;
};

}  // namespace tvx::ado
