// The compiled evaluator. Building walks the tokens as the text evaluator does and keeps a model
// of its stack in which a constant or x is held back until an operation takes it, so that most
// operands travel inside the operation that uses them ("XX 2 +" is one step, add 2 to x).
// Operations on constants alone are done once while building, when they succeed; one that would
// fail or raise stays a step and does so when an evaluation reaches it. A missing operand is
// known from the model's depth, and becomes the step that raises it.
//
// Equal to the text evaluator to the bit because every value is computed by the same functions
// (EvaluatorMath.h) from the same operands in the same order; the only rewrites are exact ones:
// a*b = b*a and a+b = b+a in IEEE arithmetic, and x*x for x^2 (x is a 32-bit float, so its
// square is exact in 64 bits, which is what pow gives then).
#include "CompiledPostfix.h"

#include "Cls6.h"
#include "CompiledRun.h"
#include "CompiledSteps.h"
#include "EngineError.h"
#include "EvaluatorMath.h"
#include "NumberReader.h"
#include "PostfixTokens.h"
#include "Tokens.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <utility>

namespace pellitor {

using namespace evaluator;
using namespace compiled;

class CompiledPostfix::Builder {
public:
    explicit Builder(CompiledPostfix& program) : m_program(program) {}

    void build(std::u16string_view text)
    {
        // Each operator takes at most one step and each operand at most one step that puts it on
        // the stack, and each number at most one constant: room for that is taken once, so that
        // the lists never hold their old and their new room at once (a text of 10^7 characters
        // has millions of steps).
        std::size_t tokens = 0;
        std::size_t numbers = 0;
        for (const std::u16string_view token : PostfixTokens(text)) {
            ++tokens;
            numbers += isNumberToken(token);
        }
        m_program.m_operations.reserve(tokens + 1);
        m_program.m_constants.reserve(numbers + 2);
        read(text);
        // The bottom slot takes the undefined top that the first push moves down.
        m_program.m_stack.resize(m_depth + 1);
        m_program.m_depth = m_depth;
    }

private:
    void read(std::u16string_view text)
    {
        for (const std::u16string_view each : PostfixTokens(text)) {
            if (!token(each))
                return;
        }
        if (m_model.empty())
            emit(Operation::ReturnNothing);
        else if (m_model.back().kind == Kind::Constant)
            emit(Operation::ReturnConstant, m_model.back().value);
        else if (m_model.back().kind == Kind::X)
            emit(Operation::ReturnX);
        else
            emit(Operation::ReturnTop);
    }

    // A value of the model stack: a constant or x held back, or a value the program computes.
    enum class Kind { Constant, X, Computed };
    struct Entry {
        Kind kind;
        double value = 0.0;
    };

    // Reads one token; false when it ends the program (it raises whenever it is reached).
    bool token(std::u16string_view token)
    {
        if (isNumberToken(token)) {
            try {
                m_model.push_back({Kind::Constant, readNumber(token)});
            } catch (const EngineError&) {
                emit(Operation::RaiseOverflow); // the only error reading a number raises
                return false;
            }
            return true;
        }
        const Token op = tokenOf(token);
        if (op == Token::None) {
            m_program.m_badToken = std::u16string(token);
            emit(Operation::RaiseBadToken);
            return false;
        }
        if (op == Token::Variable) {
            if (!m_program.m_readsX) {
                m_program.m_readsX = true;
                m_program.m_beforeX = m_program.m_operations.size();
            }
            m_model.push_back({Kind::X});
            return true;
        }
        const std::size_t operands = (op >= Token::Add && op <= Token::Pow) ? 2 : 1;
        if (m_model.size() < operands) {
            emit(Operation::RaisePop);
            return false;
        }
        if (operands == 2)
            binary(op);
        else
            unary(op);
        return true;
    }

    void unary(Token op)
    {
        Entry& v = m_model.back();
        if (op == Token::RND) {
            // The operand is dropped unread; the draw happens when the step is reached.
            emit(v.kind == Kind::Computed ? Operation::SetRandom : Operation::PushRandom);
            m_program.m_draws = true;
            v = {Kind::Computed};
            return;
        }
        if (v.kind == Kind::Constant) {
            if (const std::optional<double> folded = fold(
                    [&] { return op == Token::Negate ? -v.value : functionValue(op, v.value, m_program.m_degrees); })) {
                v.value = *folded;
                return;
            }
        }
        if (v.kind == Kind::X) {
            emit(op == Token::Negate ? Operation::PushNegatedX : functionOfX(op));
        } else {
            materialize(v);
            emit(op == Token::Negate ? Operation::Negate : function(op));
        }
        v = {Kind::Computed};
    }

    void binary(Token op)
    {
        const Entry b = m_model.back();
        m_model.pop_back();
        Entry& a = m_model.back();
        if (a.kind == Kind::Constant && b.kind == Kind::Constant) {
            if (const std::optional<double> folded = fold([&] { return binaryValue(op, a.value, b.value); })) {
                a.value = *folded;
                return;
            }
        }
        if (op == Token::Pow && b.kind == Kind::Constant && b.value == 0.0) {
            // Any base to the power 0 is 1; a computed base is computed all the same, as the text
            // does, and then replaced.
            if (a.kind == Kind::Computed)
                emit(Operation::SetConstant, 1.0);
            else
                a = {Kind::Constant, 1.0};
            return;
        }
        const bool smallPower = op == Token::Pow && b.kind == Kind::Constant && (b.value == 2.0 || b.value == 3.0);
        if (smallPower && a.kind == Kind::X) {
            emit(b.value == 2.0 ? Operation::PushSquaredX : Operation::PushCubedX);
        } else if (smallPower && a.kind == Kind::Computed) {
            emit(b.value == 2.0 ? Operation::Square : Operation::Cube);
        } else if (a.kind != Kind::Computed && b.kind != Kind::Computed && (a.kind == Kind::X) != (b.kind == Kind::X)
                   && op != Token::Pow) {
            // x and a constant: one step pushes the result.
            emit(withXAndConstant(op, a.kind == Kind::X), a.kind == Kind::X ? b.value : a.value);
        } else if (b.kind == Kind::Computed) {
            // a is below b on the program's stack, or held back and taken from the step.
            if (a.kind == Kind::Computed)
                emit(withTwoOperands(op));
            else if (a.kind == Kind::X)
                emit(withXFirst(op));
            else
                emit(withConstantFirst(op), a.value);
        } else {
            // b is held back: a goes onto the stack, and b travels in the step.
            materialize(a);
            if (b.kind == Kind::X)
                emit(withXSecond(op));
            else
                emit(withConstantSecond(op), b.value);
        }
        a = {Kind::Computed};
    }

    // A held-back value put onto the program's stack.
    void materialize(const Entry& v)
    {
        if (v.kind == Kind::Constant)
            emit(Operation::PushConstant, v.value);
        else if (v.kind == Kind::X)
            emit(Operation::PushX);
    }

    // The value of a step on constants, or nothing when it fails or raises (then the program
    // does that step when it is reached, as the text does).
    template <typename Step>
    static std::optional<double> fold(Step step)
    {
        try {
            const double value = step();
            if (!isFailure(value))
                return value;
        } catch (const EngineError&) {
        }
        return std::nullopt;
    }

    static Operation function(Token op)
    {
        static_assert(static_cast<int>(Operation::ACTANH) - static_cast<int>(Operation::SIN)
                      == static_cast<int>(Token::ACTANH) - static_cast<int>(Token::SIN));
        return static_cast<Operation>(static_cast<int>(Operation::SIN) + static_cast<int>(op)
                                      - static_cast<int>(Token::SIN));
    }

    static Operation functionOfX(Token op)
    {
        static_assert(static_cast<int>(Operation::ACTANHOfX) - static_cast<int>(Operation::SINOfX)
                      == static_cast<int>(Token::ACTANH) - static_cast<int>(Token::SIN));
        return static_cast<Operation>(static_cast<int>(Operation::SINOfX) + static_cast<int>(op)
                                      - static_cast<int>(Token::SIN));
    }

    // x op K when xFirst, else K op x; sums and products change places exactly.
    static Operation withXAndConstant(Token op, bool xFirst)
    {
        switch (op) {
        case Token::Add: return Operation::PushXAddConstant;
        case Token::Mul: return Operation::PushXMulConstant;
        case Token::Sub: return xFirst ? Operation::PushXSubConstant : Operation::PushConstantSubX;
        default: return xFirst ? Operation::PushXDivConstant : Operation::PushConstantDivX;
        }
    }

    static Operation withTwoOperands(Token op)
    {
        return static_cast<Operation>(static_cast<int>(Operation::Add) + static_cast<int>(op));
    }

    static Operation withConstantSecond(Token op)
    {
        return static_cast<Operation>(static_cast<int>(Operation::AddConstant) + static_cast<int>(op));
    }

    static Operation withXSecond(Token op)
    {
        return static_cast<Operation>(static_cast<int>(Operation::AddX) + static_cast<int>(op));
    }

    // K op top: sums and products change places exactly; the others have steps of their own.
    static Operation withConstantFirst(Token op)
    {
        switch (op) {
        case Token::Add: return Operation::AddConstant;
        case Token::Mul: return Operation::MulConstant;
        case Token::Sub: return Operation::ConstantSub;
        case Token::Div: return Operation::ConstantDiv;
        default: return Operation::ConstantPow;
        }
    }

    static Operation withXFirst(Token op)
    {
        switch (op) {
        case Token::Add: return Operation::AddX;
        case Token::Mul: return Operation::MulX;
        case Token::Sub: return Operation::XSub;
        case Token::Div: return Operation::XDiv;
        default: return Operation::XPow;
        }
    }

    void emit(Operation operation)
    {
        m_program.m_operations.push_back(operation);
        trackDepth(operation);
    }

    void emit(Operation operation, double constant)
    {
        m_program.m_constants.push_back(constant);
        emit(operation);
    }

    // The program's stack holds every computed value but the top.
    void trackDepth(Operation operation)
    {
        switch (operation) {
        case Operation::PushConstant:
        case Operation::PushX:
        case Operation::PushNegatedX:
        case Operation::PushSquaredX:
        case Operation::PushCubedX:
        case Operation::PushRandom:
        case Operation::PushXAddConstant:
        case Operation::PushXSubConstant:
        case Operation::PushXMulConstant:
        case Operation::PushXDivConstant:
        case Operation::PushConstantSubX:
        case Operation::PushConstantDivX: m_depth = std::max(m_depth, ++m_computed); break;
        case Operation::Add:
        case Operation::Sub:
        case Operation::Mul:
        case Operation::Div:
        case Operation::Pow: --m_computed; break;
        default:
            if (operation >= Operation::SINOfX && operation <= Operation::ACTANHOfX)
                m_depth = std::max(m_depth, ++m_computed);
            break;
        }
    }

    CompiledPostfix& m_program;
    std::vector<Entry> m_model;
    std::size_t m_computed = 0;
    std::size_t m_depth = 0;
};

CompiledPostfix::CompiledPostfix(std::u16string_view postfix, bool degrees) : m_degrees(degrees)
{
    Builder(*this).build(postfix);
    // A constant that reads no x and converts to 32 bits is the result of every evaluation.
    if (m_operations.size() == 1 && m_operations.front() == Operation::ReturnConstant && !m_readsX) {
        try {
            m_constantResult = toSingle(m_constants.front());
            m_constant = true;
        } catch (const EngineError&) {
        }
    }
}

Truth CompiledPostfix::evaluate(float x, float& result)
{
    if (m_constant) {
        result = m_constantResult;
        return True;
    }
    // An x that is no finite number raises at the first "XX", as the text evaluator does: the
    // steps before it still run, since they may fail or raise first.
    if (m_readsX && !std::isfinite(x)) [[unlikely]]
        return run<true>(x, result);
    return run<false>(x, result);
}

} // namespace pellitor
