#include "core/exact/ExactFormula.h"

#include <algorithm>
#include <string>

#include "core/numbers/ExpressionErrors.h"
#include "core/numbers/ExpressionPreprocessor.h"
#include "core/numbers/OperatorPrecedence.h"
#include "core/exact/ExactNumber.h"

namespace exact {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Whole exponents up to this size are taken exactly.
constexpr long kMaxExponent = 64;

// The evaluator's reading of the canonical text in fractions. Anything
// without an exact value fails the reading (which then goes on harmlessly
// with 0, as the evaluator goes on after an error).
class ExactReader : public OperatorPrecedenceReader<ExactReader, mpq_class> {
public:
    ExactReader(const std::string& text, const mpq_class& t) : OperatorPrecedenceReader(text), t_(t) {}

    std::optional<mpq_class> read() {
        mpq_class value = expression();
        if (failed_) return std::nullopt;
        return value;
    }
    bool beyondBound() const { return beyondBound_; }

private:
    friend class OperatorPrecedenceReader<ExactReader, mpq_class>;

    void badOperator() { failed_ = true; }

    mpq_class apply(char op, const mpq_class& left, const mpq_class& right) {
        if (failed_) return 0;  // the rest of a failed reading computes nothing
        mpq_class value = step(op, left, right);
        if (!failed_ && !withinExactBound(value)) exceed();
        return failed_ ? mpq_class(0) : value;
    }

    void exceed() {
        beyondBound_ = true;
        failed_ = true;
    }

    mpq_class step(char op, const mpq_class& left, const mpq_class& right) {
        switch (op) {
            case '+': return left + right;
            case '-': return left - right;
            case '*': return left * right;
            case '/':
                if (sgn(right) == 0) break;
                return left / right;
            case '^': {
                if (right.get_den() != 1 || abs(right.get_num()) > kMaxExponent) break;
                const long n = right.get_num().get_si();
                if (n < 0 && sgn(left) == 0) break;
                // Judged before it is built: a power far past the bound
                // would take minutes and gigabytes to compute.
                const std::size_t bits = std::max(mpz_sizeinbase(left.get_num_mpz_t(), 2),
                                                  mpz_sizeinbase(left.get_den_mpz_t(), 2));
                if (sgn(left) != 0 && bits > 1 && (bits - 1) * std::size_t(n < 0 ? -n : n) > kMaxExactBits) {
                    exceed();
                    return 0;
                }
                mpz_class num, den;
                mpz_pow_ui(num.get_mpz_t(), left.get_num_mpz_t(), static_cast<unsigned long>(n < 0 ? -n : n));
                mpz_pow_ui(den.get_mpz_t(), left.get_den_mpz_t(), static_cast<unsigned long>(n < 0 ? -n : n));
                mpq_class power(n < 0 ? den : num, n < 0 ? num : den);
                power.canonicalize();
                return power;
            }
            default: break;
        }
        failed_ = true;
        return 0;
    }

    mpq_class operand() {
        if (atEnd()) {
            failed_ = true;
            return 0;
        }
        const char c = text_[position_];
        if (c == '(') {
            ++position_;
            // As deep as the evaluator reads, and no deeper: the text may be
            // one the evaluator refused for its depth.
            if (++depth_ > ExpressionErrors::kMaxNestingDepth) {
                failed_ = true;
                position_ = length_;
                return 0;
            }
            const mpq_class value = expression();
            --depth_;
            return value;
        }
        if (isDigit(c) || c == '.') return readNumber();
        ++position_;
        if (c == 'K') return t_;
        if (c == 'X') return 0;  // g is read at x = 0
        failed_ = true;          // e, pi, a function: no exact value
        return 0;
    }

    mpq_class readNumber() {
        const std::size_t start = position_;
        while (!atEnd() && (isDigit(text_[position_]) || text_[position_] == '.' || text_[position_] == ','))
            ++position_;
        const std::optional<mpq_class> value = exactFieldValue(std::string_view(text_).substr(start, position_ - start));
        if (!value) {
            failed_ = true;
            return 0;
        }
        return *value;
    }

    const mpq_class& t_;
    int depth_ = 0;
    bool failed_ = false;
    bool beyondBound_ = false;
};

}  // namespace

ExactFormula::ExactFormula(std::string_view text) {
    // The degree sign becomes an approximation of pi/180.
    if (text.find("°") != std::string_view::npos) return;
    PreprocessResult pre = preprocessExpression(text);
    if (!pre.ok) return;
    readable_ = true;
    canonical_ = std::move(pre.text);
}

std::optional<mpq_class> ExactFormula::valueAt(const mpq_class& t, bool* beyondBound) const {
    if (!readable_) return std::nullopt;
    ExactReader reader(canonical_, t);
    std::optional<mpq_class> value = reader.read();
    if (beyondBound) *beyondBound = reader.beyondBound();
    return value;
}

std::optional<mpq_class> exactFormulaValue(std::string_view text, const mpq_class& t) {
    return ExactFormula(text).valueAt(t);
}

}  // namespace exact
