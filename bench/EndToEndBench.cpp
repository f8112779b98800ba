// The program driven as a user drives it, on the offscreen platform: the term
// box typed, a button clicked, until the window has painted what came out.
// Each operation is timed beside grep passes over the files it must read, in
// the same run, round after round; the start-up with a 200,000-entry default
// dictionary beside the start-up with a 100-entry one. Then the resident
// memory of a program just started, measured in a process of its own.
//
// Usage: zelvora_bench_endtoend [--rounds N] [--only TEXT]
// (--only: the operations whose name holds TEXT, without the start-up and the memory)

#include "GeneratedDictionary.h"
#include "GeneratedText.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "app/TermListModel.h"
#include "dictionary/LineReader.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <optional>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace {

namespace bench = zelvora::bench;
using Clock = std::chrono::steady_clock;

constexpr std::size_t LargeEntries = 200'000;
constexpr std::size_t SmallEntries = 100;
constexpr std::size_t TextWords = 10'000;
// The goal of every operation: within this many times its grep passes, plus the window's own work.
constexpr double GoalFactor = 2.0;
constexpr double WindowWorkMs = 20.0;
// A term no dictionary holds.
const std::string Absent = "ZZZZZZZZZZZZZ";

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Runs a program to its end with its output thrown away.
void runQuietly(const std::vector<std::string> &args)
{
    std::vector<char *> argv;
    for (const std::string &arg : args)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed)
        throw std::runtime_error("cannot run " + args[0]);
    int status = 0;
    waitpid(pid, &status, 0);
}

// One grep pass over files, counting the lines that are a text, that hold it
// or that begin with it. The searches without a grep of their own are set
// beside the whole-line pass, a pass that compares every line.
enum class Grep { WholeLine, Substring, Beginning };
using GrepPass = std::vector<std::string>;
GrepPass grepPass(Grep kind, const std::string &text, const std::vector<std::string> &files)
{
    GrepPass args = {"grep", "-c"};
    if (kind == Grep::WholeLine)
        args.insert(args.end(), {"-x", "-F", "-e", text});
    else if (kind == Grep::Substring)
        args.insert(args.end(), {"-F", "-e", text});
    else
        args.insert(args.end(), {"-e", "^" + text});
    args.insert(args.end(), files.begin(), files.end());
    return args;
}

double timeGreps(const std::vector<GrepPass> &passes)
{
    const auto start = Clock::now();
    for (const GrepPass &pass : passes)
        runQuietly(pass);
    return msSince(start);
}

// Lets the window lay out and paint what changed.
void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The program on a folder, its main window shown as the program shows it.
class Driver {
public:
    explicit Driver(const std::string &folder) : program_(QString::fromStdString(folder))
    {
        Form1 *form = program_.form1();
        form->setGeometry(form->screen()->availableGeometry());
        form->showMaximized();
        // Active, as under the user's hand: a click moves the focus, and the term box hears it leave.
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form))
            throw std::runtime_error("the main window does not become active");
        settle();
    }

    template <typename T = QWidget> T *control(const char *name) const
    {
        T *found = program_.form1()->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            throw std::runtime_error(std::string("no control ") + name);
        return found;
    }
    QLineEdit *termBox() const { return control<QComboBox>("ComboBox2")->lineEdit(); }

    // Brings up the search tab that holds the button and empties the term box and the results.
    void prepare(const char *button)
    {
        auto *tabs = control<QTabWidget>("PageControl1");
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->isAncestorOf(control(button)))
                tabs->setCurrentIndex(i);
        termBox()->clear();
        control<QPlainTextEdit>("RxRichEdit2")->clear();
    }
    void type(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        QTest::keyClicks(edit, text);
    }
    void click(const char *button) { QTest::mouseClick(control(button), Qt::LeftButton); }

private:
    Program program_;
};

struct Operation {
    std::string name;
    std::function<void()> prepare; // not timed
    std::function<void()> act;     // what the user does
    std::vector<GrepPass> greps;   // over the files the operation must read
};

struct Timing {
    double windowMs;
    double grepMs;
};

// What is timed of an operation: the user's action and the window's painting
// of what came out. Never inlined, so that callgrind can count it alone
// (--toggle-collect='*timedAction*').
[[gnu::noinline]] void timedAction(const Operation &operation)
{
    operation.act();
    settle();
}

Timing measure(const Operation &operation, int rounds)
{
    // The first run fills the caches and leaves the window as it stays from then on.
    operation.prepare();
    operation.act();
    settle();
    std::vector<double> window;
    std::vector<double> grep;
    for (int round = 0; round < rounds; ++round) {
        operation.prepare();
        settle();
        const auto start = Clock::now();
        timedAction(operation);
        window.push_back(msSince(start));
        grep.push_back(timeGreps(operation.greps));
    }
    return {median(window), median(grep)};
}

// Start-up: the five windows created, the catalogue and the default dictionary
// read, the main window shown and painted.
double startupMs(const std::string &folder)
{
    const auto start = Clock::now();
    std::optional<Driver> driver(std::in_place, folder);
    const double ms = msSince(start);
    driver.reset();
    settle();
    return ms;
}

// The start-ups with a small and with a large default dictionary, and one grep
// pass over the large one's catalogue and default dictionary, round after round.
struct StartupTiming {
    double smallMs;
    double largeMs;
    double grepMs;
};

StartupTiming measureStartup(const std::string &small, const std::string &large, int rounds)
{
    const std::string largeDictionary = large + "dizionari/" + bench::generatedDictionaryNames(false)[0];
    const GrepPass grep = grepPass(Grep::WholeLine, Absent, {large + "tutti_i_dizionari.txt", largeDictionary});
    // The first start-up pays Qt's one-time costs.
    startupMs(small);
    std::vector<double> smallMs, largeMs, grepMs;
    for (int round = 0; round < rounds; ++round) {
        smallMs.push_back(startupMs(small));
        largeMs.push_back(startupMs(large));
        grepMs.push_back(timeGreps({grep}));
    }
    return {median(smallMs), median(largeMs), median(grepMs)};
}

struct TermLines {
    std::size_t count = 0;
    std::size_t bytes = 0;
    std::string last;
};

// The term lines of a dictionary: how many, their bytes without their line ends, the last one.
TermLines termLinesOf(const std::string &path)
{
    TermLines terms;
    zelvora::LineReader reader(path);
    do {
        terms.last = reader.readLineView();
        ++terms.count;
        terms.bytes += terms.last.size();
        reader.skipLine();
    } while (!reader.atEnd());
    return terms;
}

std::string lowerCase(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::vector<Operation> operations(Driver &d, const std::string &folder, const std::string &lastTerm)
{
    const auto files = [&folder](std::initializer_list<std::size_t> which) {
        const std::vector<std::string> names = bench::generatedDictionaryNames(true);
        std::vector<std::string> paths;
        for (const std::size_t i : which)
            paths.push_back(folder + "dizionari/" + names[i]);
        return paths;
    };
    const std::vector<std::string> current = files({0});
    const std::vector<std::string> all = files({0, 1, 2, 3, 4});
    const std::vector<std::string> italian = files({0, 1, 2}); // sections 1, 2 and 5
    const std::string workingFile = folder + "origine2.txt";

    QString text;
    for (const std::string &line : bench::generatedText(current[0], TextWords))
        text += QString::fromStdString(line) + QLatin1Char('\n');

    // The term box typed and a button clicked; a text in the input pane and a button clicked.
    const auto typeAndClick = [&d](std::string name, const char *button, QString typed, GrepPass grep) {
        return Operation{std::move(name), [&d, button] { d.prepare(button); },
                         [&d, button, typed] {
                             d.type(d.termBox(), typed);
                             d.click(button);
                         },
                         {std::move(grep)}};
    };
    const auto onText = [&d, text](std::string name, const char *button, GrepPass grep) {
        return Operation{std::move(name),
                         [&d, button, text] {
                             d.prepare(button);
                             d.control<QPlainTextEdit>("RxRichEdit1")->setPlainText(text);
                         },
                         [&d, button] { d.click(button); }, {std::move(grep)}};
    };
    const QString last = QString::fromStdString(lowerCase(lastTerm));
    const GrepPass textGrep = grepPass(Grep::WholeLine, Absent, {current[0], workingFile});

    return {
        typeAndClick("term lookup, last term", "Button1", last, grepPass(Grep::WholeLine, lastTerm, current)),
        typeAndClick("prefix lookup ABC*", "Button1", "abc*", grepPass(Grep::Beginning, "ABC", current)),
        onText("whole-text translation, 10,000 words", "Button8", textGrep),
        onText("dictionary from text, 10,000 words", "Button18", textGrep),
        onText("word list, 10,000 words", "Button19", textGrep),
        typeAndClick("whole word, all dictionaries", "Button6", last, grepPass(Grep::WholeLine, lastTerm, all)),
        typeAndClick("whole word, Italian dictionaries", "Button13", last,
                     grepPass(Grep::WholeLine, lastTerm, italian)),
        typeAndClick("substring ABCD, all dictionaries", "Button25", "abcd", grepPass(Grep::Substring, "ABCD", all)),
        typeAndClick("substring ABC, current dictionary", "Button23", "abc",
                     grepPass(Grep::Substring, "ABC", current)),
        typeAndClick("anagrams of ROMA", "Button2", "roma", grepPass(Grep::WholeLine, "ROMA", current)),
        typeAndClick("rhymes with ARE", "Button7", "are", grepPass(Grep::WholeLine, "ARE", current)),
        typeAndClick("palindromes", "Button35", "", grepPass(Grep::WholeLine, Absent, current)),
        Operation{"letters C, A in places 1, 2",
                  [&d] {
                      d.prepare("Button31");
                      d.click("Button31");
                      d.click("Panel11"); // empties the boxes
                      d.click("Button31");
                  },
                  [&d] {
                      d.type(d.control<QLineEdit>("Edit164"), QStringLiteral("c"));
                      d.type(d.control<QLineEdit>("Edit165"), QStringLiteral("a"));
                      d.click("Panel49");
                  },
                  {grepPass(Grep::Beginning, "CA", current)}},
    };
}

std::string formatted(const char *format, double a, double b = 0)
{
    char text[96];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

int goalsMissed = 0;

// A row of the table; an operation without a goal is only timed.
void printRow(const std::string &name, double windowMs, const std::string &reference, std::optional<double> goalMs)
{
    goalsMissed += goalMs && windowMs > *goalMs;
    const std::string goal = goalMs ? formatted("%.1f", *goalMs) : "";
    const char *met = !goalMs ? "" : windowMs <= *goalMs ? "yes" : "NO";
    std::printf("| %-38s | %9.1f | %-34s | %8s | %-4s |\n", name.c_str(), windowMs, reference.c_str(), goal.c_str(),
                met);
    std::fflush(stdout);
}

// What /proc says of this process: its peak and its present resident size, in kB.
std::pair<long, long> residentKb()
{
    std::ifstream status("/proc/self/status");
    long peak = 0;
    long now = 0;
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            peak = std::stol(line.substr(6));
        if (line.rfind("VmRSS:", 0) == 0)
            now = std::stol(line.substr(6));
    }
    return {peak, now};
}

// In a process of its own: the program started on the folder, then its memory.
int reportStartupMemory(const std::string &folder)
{
    Driver driver(folder);
    const auto [peak, now] = residentKb();
    std::printf("%ld %ld\n", peak, now);
    return 0;
}

std::pair<long, long> startupMemoryOf(const std::string &folder)
{
    char self[4096] = {};
    if (::readlink("/proc/self/exe", self, sizeof self - 1) < 0)
        throw std::runtime_error("cannot find this program");
    const std::string command = std::string("'") + self + "' --startup-memory '" + folder + "'";
    FILE *child = ::popen(command.c_str(), "r");
    long peak = 0;
    long now = 0;
    if (!child || std::fscanf(child, "%ld %ld", &peak, &now) != 2)
        throw std::runtime_error("cannot measure the start-up's memory");
    ::pclose(child);
    return {peak, now};
}

std::string loadAverage()
{
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

QtMessageHandler qtMessageHandler = nullptr;

// The offscreen platform warns about size hints on every window it shows.
void withoutSizeHintWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(QLatin1String("propagateSizeHints()")))
        qtMessageHandler(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qtMessageHandler = qInstallMessageHandler(withoutSizeHintWarnings);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--startup-memory"))
        return reportStartupMemory(args[2].toStdString());
    // Enough rounds that a few slowed by the shared machine leave the median alone.
    int rounds = 11;
    std::string only;
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--rounds"))
            rounds = std::max(1, args[i + 1].toInt());
        else if (args[i] == QLatin1String("--only"))
            only = args[i + 1].toStdString();
    }

    const std::string large = bench::generatedProgramFolder(LargeEntries);
    const std::string small = bench::generatedProgramFolder(SmallEntries);
    const std::string catalogue = bench::generatedCatalogueFolder(LargeEntries);
    const std::string defaultDictionary = catalogue + "dizionari/" + bench::generatedDictionaryNames(false)[0];
    const TermLines terms = termLinesOf(defaultDictionary);
    // The program reads a dictionary changed in the last seconds again at the
    // end of every search: the data is left to settle, as installed files are.
    std::this_thread::sleep_for(std::chrono::seconds(4));

    std::printf("Medians of %d rounds; load average at the start %s.\n", rounds, loadAverage().c_str());
    std::uintmax_t catalogueBytes = 0;
    for (const std::string &name : bench::generatedDictionaryNames(true))
        catalogueBytes += std::filesystem::file_size(catalogue + "dizionari/" + name);
    std::printf("Default dictionary: %zu entries, %.1f MB; the %zu dictionaries of the catalogue: %zu entries, "
                "%.1f MB.\n\n",
                terms.count, static_cast<double>(std::filesystem::file_size(defaultDictionary)) / 1e6,
                bench::OtherDictionaries + 1, terms.count + bench::OtherDictionaries * bench::OtherDictionaryEntries,
                static_cast<double>(catalogueBytes) / 1e6);
    std::printf("| %-38s | %9s | %-34s | %8s | %-4s |\n", "operation", "window ms", "grep passes ms (ratio)", "goal ms",
                "met");
    std::printf("|%s|%s|%s|%s|%s|\n", std::string(40, '-').c_str(), std::string(11, '-').c_str(),
                std::string(36, '-').c_str(), std::string(10, '-').c_str(), std::string(6, '-').c_str());

    // Start-up: within the small start-up plus two grep passes of the default dictionary.
    if (only.empty()) {
        const StartupTiming start = measureStartup(small, large, rounds);
        printRow("start-up, 100-entry default", start.smallMs, "", std::nullopt);
        printRow("start-up, 200,000-entry default", start.largeMs,
                 formatted("small %.1f + grep %.1f", start.smallMs, start.grepMs),
                 start.smallMs + GoalFactor * start.grepMs);
    }

    std::size_t termListBytes = 0;
    {
        Driver driver(catalogue);
        termListBytes = qobject_cast<const TermListModel *>(driver.control<QComboBox>("ComboBox2")->model())
                            ->terms()
                            .memoryBytes();
        for (const Operation &operation : operations(driver, catalogue, terms.last)) {
            if (operation.name.find(only) == std::string::npos)
                continue;
            const Timing timing = measure(operation, rounds);
            printRow(operation.name, timing.windowMs,
                     formatted("%.1f (%.2f)", timing.grepMs, timing.windowMs / timing.grepMs),
                     GoalFactor * timing.grepMs + WindowWorkMs);
        }
    }

    std::printf("\nGoals missed: %d.\n", goalsMissed);
    if (!only.empty())
        return 0;
    const auto [largePeak, largeNow] = startupMemoryOf(large);
    const auto [smallPeak, smallNow] = startupMemoryOf(small);
    std::printf("\nResident memory after start-up (kB): 200,000-entry default: peak %ld, now %ld; "
                "100-entry default: peak %ld, now %ld.\n",
                largePeak, largeNow, smallPeak, smallNow);
    std::printf("The difference, peak %ld kB and now %ld kB, against the default dictionary's term lines: "
                "%zu lines, %zu bytes (%zu with their line ends).\n",
                largePeak - smallPeak, largeNow - smallNow, terms.count, terms.bytes, terms.bytes + 2 * terms.count);
    std::printf("The term list at start-up takes %zu bytes, %.2f times its terms' bytes.\n", termListBytes,
                static_cast<double>(termListBytes) / static_cast<double>(terms.bytes));
    return 0;
}
