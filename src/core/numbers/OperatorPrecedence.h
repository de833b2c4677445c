#pragma once
// The operator-precedence reading of the canonical formula text (see
// ExpressionPreprocessor), shared by the evaluator and by the exact reading
// of the working: binary operators + - (1), * / (2), ^ (3), all
// left-associative; a unary minus at the start of an operand binds tighter
// than "^". A ")" or the end of the text ends an expression.
//
// Derived provides Value operand(), Value apply(char op, Value left,
// Value right) and void badOperator() (a character that is no operator).
#include <cstddef>
#include <string>

template <typename Derived, typename Value>
class OperatorPrecedenceReader {
protected:
    explicit OperatorPrecedenceReader(const std::string& text) : text_(text), length_(text.size()) {}

    bool atEnd() const { return position_ >= length_; }

    // Reads the next operator and its priority; ")" and the end give 0.
    void readOperator() {
        if (atEnd()) {
            operator_ = '\0';
            priority_ = 0;
            return;
        }
        operator_ = text_[position_++];
        switch (operator_) {
            case ')': priority_ = 0; break;
            case '+': case '-': priority_ = 1; break;
            case '*': case '/': priority_ = 2; break;
            case '^': priority_ = 3; break;
            default:
                self().badOperator();
                priority_ = 0;
                break;
        }
    }

    Value expression() {
        Value value = signedOperandWithClimbing();
        while (priority_ > 0) value = applyChain(value);
        return value;
    }

    const std::string& text_;
    const std::size_t length_;
    std::size_t position_ = 0;

private:
    Derived& self() { return static_cast<Derived&>(*this); }

    Value signedOperandWithClimbing() {
        Value value;
        if (!atEnd() && text_[position_] == '-') {
            ++position_;
            value = -self().operand();
        } else {
            value = self().operand();
        }
        readOperator();
        while (priority_ > level_) value = applyChain(value);
        return value;
    }

    Value applyChain(Value left) {
        const int savedLevel = level_;
        do {
            const char op = operator_;
            level_ = priority_;
            const Value right = signedOperandWithClimbing();
            left = self().apply(op, left, right);
        } while (priority_ >= level_);
        level_ = savedLevel;  // the pending operator stays as read
        return left;
    }

    char operator_ = '\0';
    int priority_ = 0;
    int level_ = 0;
};
