// Prints how long RegexObject takes on the resolver's pattern and on hostile input, in milliseconds.
// Run it from an optimised build (build/x86_64 under wine); the sanitizer build's figures mean little.
#include "app/baidu_answer.h"
#include "text/regex_object.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

namespace {

using pantrove::TextValue;

constexpr size_t kFourMegabytes = 4 * 1024 * 1024;

void measure(const char* what, int repeats, const std::function<std::string()>& run) {
    std::string outcome;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < repeats; ++i)
        outcome = run();
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%-58s %10.3f ms  (%s)\n", what, elapsed.count() / repeats, outcome.c_str());
}

std::function<std::string()> run_regex(const char* pattern, TextValue subject) {
    return [pattern, subject = std::move(subject)] {
        pantrove::RegexObject regex;
        const bool ok = regex.execute(pattern, subject);
        return std::string(ok ? "true, " : "false, ") + std::to_string(regex.match_count()) + " matches";
    };
}

// `prefix` and then `count` times `c`. (Built by appending: GCC 12 warns falsely about "literal" + string.)
TextValue prefixed_run(std::string_view prefix, size_t count, char c) {
    TextValue text(prefix);
    text.append(count, c);
    return text;
}

TextValue typical_answer() {
    TextValue answer = "{\"errno\":0,\"list\":[";
    for (int i = 0; i < 100; ++i)
        answer += "\"http://d.example/file/" + std::to_string(i) + "?sign=abcdef0123456789&expires=8h\",";
    return answer + "\"x\"]}}";
}

} // namespace

int main() {
    const char* quoted = "\"(.*?)\"";
    const TextValue answer = typical_answer();
    const pantrove::ByteArray body(answer.begin(), answer.end());
    measure("read_baidu_answer, 100 links (~7 KB)", 200,
            [&body] { return std::to_string(pantrove::read_baidu_answer(body).links.size()) + " links"; });
    measure("quoted strings, 4 MB after an unmatched quote", 3,
            run_regex(quoted, prefixed_run("\"", kFourMegabytes, 'a')));
    measure("quoted strings, 4 MB of quotes", 3, run_regex(quoted, TextValue(kFourMegabytes, '"')));
    TextValue lines;
    while (lines.size() < kFourMegabytes)
        lines += "\"ab\n";
    measure("quoted strings, 4 MB of lines with one quote each", 3, run_regex(quoted, lines));
    measure("(a*)*b over 4 MB of a (gives up)", 1, run_regex("(a*)*b", TextValue(kFourMegabytes, 'a')));
    measure("a*c|a over 4 MB of a (gives up)", 1, run_regex("a*c|a", TextValue(kFourMegabytes, 'a')));
    measure("(.*)*\" over 4 MB after a quote (gives up)", 1,
            run_regex("(.*)*\"", prefixed_run("\"", kFourMegabytes, 'a')));
    measure("(a|aa)*c over 40 a (gives up)", 10, run_regex("(a|aa)*c", TextValue(40, 'a')));
    return 0;
}
