// The operand of pellitor-calc.
#include "OperandReader.h"

#include "CommandLine.h"
#include "Complaints.h"
#include "MessageBox.h"
#include "StandardStreams.h"
#include "TextCodec.h"

#include <cstring>
#include <unistd.h>

namespace pellitor::cli {

namespace {
// Standard input holds at most this much: enough for any expression a person or a script means,
// and a bound on what a runaway producer such as /dev/zero can make the program hold.
constexpr std::size_t InputLimit = std::size_t(256) << 20;
} // namespace

Operand readOperand(const std::string& operand)
{
    if (operand != "-")
        return {operand};
    platform::StreamInput input = platform::readAll(STDIN_FILENO, InputLimit);
    switch (input.status) {
    case platform::StreamInput::Status::Failed:
        complain(std::string("cannot read standard input: ") + std::strerror(input.error));
        return {{}, ExitIoError};
    case platform::StreamInput::Status::TooLong:
        complain("standard input is longer than its limit of 256 MiB");
        return {{}, ExitDataError};
    case platform::StreamInput::Status::Read: break;
    }
    std::string& bytes = input.bytes;
    if (bytes.ends_with('\n')) {
        bytes.pop_back();
        if (bytes.ends_with('\r'))
            bytes.pop_back();
    }
    return {std::move(bytes)};
}

TranslatedOperand translateOperand(const std::string& operand)
{
    // The operand's bytes go as soon as the translation holds what it needs of them.
    TranslatedOperand result;
    {
        const Operand expression = readOperand(operand);
        if (expression.failure != 0) {
            result.failure = expression.failure;
            return result;
        }
        // The boxes of the check and the translator: "TITLE: TEXT" lines on stderr.
        result.translation = translate(fromUtf8(expression.bytes), platform::MessageBox::current());
    }
    if (!result.translation)
        result.failure = ExitMessage;
    return result;
}

} // namespace pellitor::cli
