// zuvo-calc: the calculator's engine on the command line. Prints the result
// listing of every input line, as the result window shows it.
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "cli/options.h"
#include "engine/calculate.h"
#include "engine/stop.h"
#include "text/utf.h"

namespace {

std::atomic<bool> g_stop{false};

extern "C" void OnInterrupt(int) { g_stop.store(true); }

void Print(const std::vector<std::u16string>& lines) {
  for (const auto& l : lines) std::cout << zuvo::Utf16ToUtf8(l) << '\n';
  std::cout.flush();
}

// Answers each line as it is typed; results carry over within the session.
int Interactive(const zuvo::CalculateOptions& options) {
  zuvo::Calculation calculation(options);
  std::string line;
  for (;;) {
    std::cout << "zuvo> " << std::flush;
    if (!std::getline(std::cin, line)) break;
    g_stop.store(false);
    Print(calculation.Line(zuvo::Utf8ToUtf16(line)));
    if (calculation.Stopped()) g_stop.store(false);
  }
  std::cout << '\n';
  return calculation.AllCorrect() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  zuvo::CliRequest request;
  std::string problem;
  if (!zuvo::ParseCommandLine(argc, argv, request, problem)) {
    std::cerr << "zuvo-calc: " << problem << '\n' << zuvo::kUsage;
    return 2;
  }
  if (request.help) {
    std::cout << zuvo::kUsage;
    return 0;
  }
  std::optional<int> store_status = zuvo::RunStoreCommand(request);
  if (store_status) return *store_status;
  zuvo::CalculateOptions options;
  if (!zuvo::ResolveOptions(request, options, problem)) {
    std::cerr << "zuvo-calc: " << problem << '\n';
    return 2;
  }

  zuvo::SetStopFlag(&g_stop);
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigaction(SIGINT, &action, nullptr);

  std::u16string text;
  if (request.expressions.empty()) {
    if (isatty(STDIN_FILENO)) return Interactive(options);
    const std::string input((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    text = zuvo::Utf8ToUtf16(input);
  } else {
    for (std::size_t i = 0; i < request.expressions.size(); ++i) {
      if (i) text += u'\n';
      text += zuvo::Utf8ToUtf16(request.expressions[i]);
    }
  }
  if (text.empty()) {
    std::cerr << zuvo::Utf16ToUtf8(zuvo::kEmptyInputMessage) << '\n';
    return 2;
  }
  zuvo::Calculation calculation(options);
  for (const std::u16string& line : zuvo::SplitLines(text)) {
    Print(calculation.Line(line));
    if (calculation.Stopped()) return 130;
  }
  return calculation.AllCorrect() ? 0 : 1;
}
