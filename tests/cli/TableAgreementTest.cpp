// Every row of pellitor-calc's tables against the Calculate command's report for the same x:
// random expressions and x, the real program on one side, the command in this process on the other.
#include "CalculateCommand.h"
#include "Evaluation.h"
#include "FakeCalculateView.h"
#include "LocaleNumberText.h"
#include "RecordingMessageBox.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

using namespace pellitor;
using pellitor::testing::FakeCalculateView;
using pellitor::testing::RecordingMessageBox;

namespace {

// Pieces joined by appending to one string. ("literal" + std::string&& draws a false -Wrestrict
// warning from g++ 12 in optimised builds.)
template <typename... Pieces>
std::string join(const Pieces&... pieces)
{
    std::string out;
    (out.append(pieces), ...);
    return out;
}

// Expressions as a person types them: implied products, any case, functions without rnd.
class ExpressionMaker {
public:
    explicit ExpressionMaker(std::mt19937& random) : m_random(random) {}

    std::string make(int depth)
    {
        const int kind = depth <= 0 ? pick(3) : pick(9);
        switch (kind) {
        case 0: return std::to_string(pick(10));
        case 1: return pick(2) ? "x" : "X";
        case 2: return pick(4) ? join(std::to_string(pick(20)), ".", std::to_string(pick(100))) : "pi";
        case 3:
        case 4: {
            static const char* const operators[] = {"+", "-", "*", "/", "^"};
            return join(make(depth - 1), operators[pick(5)], make(depth - 1));
        }
        case 5: return join("-", make(depth - 1));
        case 6: return join("(", make(depth - 1), ")");
        case 7: return join(std::to_string(1 + pick(9)), pick(2) ? std::string("x") : join("(", make(depth - 1), ")"));
        default: {
            static const char* const functions[] = {"sin",    "cos",   "log",   "exp",   "abs",   "atan",  "int",
                                                    "sqr",    "tan",   "sec",   "csec",  "ctan",  "asin",  "acos",
                                                    "asec",   "acsec", "actan", "sinh",  "cosh",  "tanh",  "ctanh",
                                                    "sech",   "csech", "asinh", "acosh", "atanh", "asech", "acsech",
                                                    "actanh", "SIN",   "Cos"};
            return join(functions[pick(std::size(functions))], "(", make(depth - 1), ")");
        }
        }
    }

private:
    int pick(std::size_t n) { return static_cast<int>(std::uniform_int_distribution<std::size_t>(0, n - 1)(m_random)); }
    std::mt19937& m_random;
};

// An x as a line of --xs, mostly numbers of every size, with blanks and commas the parameter box
// drops or reads, and now and then a line the box refuses.
std::string makeX(std::mt19937& random)
{
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double u = unit(random);
    float x;
    if (u < 0.2)
        x = static_cast<float>(std::uniform_int_distribution<int>(-360, 360)(random));
    else if (u < 0.6)
        x = static_cast<float>(unit(random) * 20.0 - 10.0);
    else if (u < 0.9)
        x = static_cast<float>((unit(random) < 0.5 ? -1 : 1) * std::pow(10.0, unit(random) * 14.0 - 5.0));
    else
        return std::array{"abc", "1e5", "+3", "", " ", "-", "1-2", "9999999999999999999999999999999999999999"}
            [std::uniform_int_distribution<int>(0, 7)(random)];
    char text[128];
    std::snprintf(text, sizeof text, "%.45f", static_cast<double>(x));
    std::string line = text;
    if (unit(random) < 0.2)
        std::replace(line.begin(), line.end(), '.', ','); // the one decimal point
    if (unit(random) < 0.2)
        line = join(" ", line, " ");
    return line;
}

// The Calculate command's answer in a table's words: x and y, or an empty x and the message.
std::string expectedRow(const std::string& expression, const std::string& parameter, bool degree)
{
    static const platform::LocaleNumberText plain(QLocale::c());
    FakeCalculateView view;
    view.expression = QString::fromStdString(expression).toStdU16String();
    view.parameter = QString::fromStdString(parameter).toStdU16String();
    view.arc = !degree;
    view.angle = degree;
    const RecordingMessageBox& boxes = view.messages;
    const CalculateCommand::Outcome outcome = CalculateCommand(view, plain).run();
    const QString report = QString::fromStdU16String(view.result);
    const QStringList lines = report.split(QStringLiteral("\r\n"));
    const auto box = [&] {
        return QString::fromStdU16String(boxes.last().title + u": " + boxes.last().text).toStdString();
    };
    using Outcome = CalculateCommand::Outcome;
    switch (outcome) {
    case Outcome::Value: return join(lines[1].mid(4).toStdString(), "\t", lines[2].mid(4).toStdString());
    case Outcome::CannotCalculate: return join(lines[1].mid(4).toStdString(), "\tCan not calculate");
    case Outcome::EngineFault: {
        // The command shows the error in a box and keeps only the first line; x is read as it reads it.
        RecordingMessageBox ignored;
        const std::optional<float> x = readParameter(QString::fromStdString(parameter).toStdU16String(), ignored);
        return join(QString::fromStdU16String(plain.general(*x)).toStdString(), "\t", box());
    }
    case Outcome::ParameterRefused:
    case Outcome::ParameterOutOfRange: return join("\t", box());
    default: return "unexpected outcome";
    }
}

struct Output {
    int status;
    std::string out;
};

Output calc(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(PELLITOR_CALC), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput().toStdString()};
}

std::vector<std::string> rowsOf(const std::string& out)
{
    std::vector<std::string> rows;
    for (std::size_t start = 0, end; (end = out.find('\n', start)) != std::string::npos; start = end + 1)
        rows.push_back(out.substr(start, end - start));
    return rows;
}

} // namespace

TEST(TableAgreement, EveryXsRowIsTheReport)
{
    std::mt19937 random(20261207);
    ExpressionMaker maker(random);
    QTemporaryDir folder;
    const QString xsPath = folder.filePath(QStringLiteral("xs"));
    int compared = 0, failures = 0, errors = 0, refusals = 0;
    for (int e = 0; e < 120; ++e) {
        const std::string expression = maker.make(1 + e % 4);
        const bool degree = e % 3 == 0;
        std::vector<std::string> xs;
        std::string file;
        for (int i = 0; i < 40; ++i) {
            xs.push_back(makeX(random));
            file += xs.back() + "\n";
        }
        std::FILE* out = std::fopen(xsPath.toLocal8Bit().constData(), "wb");
        std::fwrite(file.data(), 1, file.size(), out);
        std::fclose(out);

        QStringList arguments{QStringLiteral("--xs"), xsPath, QStringLiteral("--"), QString::fromStdString(expression)};
        if (degree)
            arguments.prepend(QStringLiteral("--angle"));
        const Output run = calc(arguments);
        if (run.status == 3) { // refused: the command refuses it too, with no row printed
            EXPECT_EQ(run.out, "") << expression;
            RecordingMessageBox boxes;
            EXPECT_FALSE(translate(QString::fromStdString(expression).toStdU16String(), boxes)) << expression;
            continue;
        }
        ASSERT_EQ(run.status, 0) << expression;
        const std::vector<std::string> rows = rowsOf(run.out);
        ASSERT_EQ(rows.size(), xs.size() + 1) << expression;
        EXPECT_EQ(rows[0], "x\ty");
        for (std::size_t i = 0; i < xs.size(); ++i) {
            EXPECT_EQ(rows[i + 1], expectedRow(expression, xs[i], degree)) << expression << " at x='" << xs[i] << "'";
            ++compared;
            failures += rows[i + 1].ends_with("\tCan not calculate");
            errors += rows[i + 1].find("\tError: ") != std::string::npos && rows[i + 1].front() != '\t';
            refusals += rows[i + 1].starts_with("\tError: ");
        }
    }
    // Thousands of rows, among them each kind of row that holds no number.
    EXPECT_GT(compared, 3000);
    EXPECT_GT(failures, 50);
    EXPECT_GT(errors, 5);
    EXPECT_GT(refusals, 50);
}

TEST(TableAgreement, EveryStepRowIsTheReport)
{
    std::mt19937 random(7);
    ExpressionMaker maker(random);
    const char* const ranges[][3] = {{"-10", "10", "0.37"},
                                     {"0", "360", "7.5"},
                                     {"-1", "1", "0.013"},
                                     {"1000", "-1000", "-33.3"},
                                     {"0.0001", "0.001", "0.00003"}};
    int compared = 0;
    // The last few tables run over several of the blocks in which the program evaluates rows.
    const char* const longRange[3] = {"-2000", "2000", "0.5"};
    for (int e = 0; e < 43; ++e) {
        const std::string expression = maker.make(2 + e % 3);
        const auto& range = e < 40 ? ranges[e % std::size(ranges)] : longRange;
        const Output run = calc({QStringLiteral("--table"),
                                 QStringLiteral("%1:%2:%3").arg(range[0], range[1], range[2]), QStringLiteral("--"),
                                 QString::fromStdString(expression)});
        if (run.status == 3)
            continue;
        ASSERT_EQ(run.status, 0) << expression;
        const std::vector<std::string> rows = rowsOf(run.out);
        const double from = std::stod(range[0]), to = std::stod(range[1]), step = std::stod(range[2]);
        const auto count = static_cast<std::size_t>(std::floor((to - from) / step + 1e-9)) + 1;
        ASSERT_EQ(rows.size(), count + 1) << expression;
        for (std::size_t i = 0; i < count; ++i) {
            // x = FROM + i*STEP in 64 bits, rounded to 32: handed to the command as its exact decimal.
            char x[128];
            std::snprintf(x, sizeof x, "%.60f",
                          static_cast<double>(static_cast<float>(from + static_cast<double>(i) * step)));
            EXPECT_EQ(rows[i + 1], expectedRow(expression, x, false)) << expression << " at row " << i;
            ++compared;
        }
    }
    EXPECT_GT(compared, 10000);
}
