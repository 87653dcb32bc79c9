// The players' page server on 127.0.0.1 under the load of a club night:
// 60 phones, each on its own connection from its own loopback address,
// asking for the page's data every 2 s. Reports the answer times' 50th and
// 99th percentiles and the slowest, and the main window's redraw time with
// the server off and with it on under that load.
#include "FixedClock.h"
#include "MeetingBuilder.h"
#include "ScriptedPlatform.h"
#include "app/Program.h"
#include "app/Redraw.h"
#include "storage/SettingsStore.h"
#include "ui/main/MainWindow.h"
#include "ui/phones/PhoneAccess.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <mutex>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPhones = 60;
constexpr auto kRefresh = std::chrono::seconds(2);

// Seconds each load runs: RALLYNOTE_PHONE_BENCH_SECONDS, else 10.
int loadSeconds() {
    const char* text = std::getenv("RALLYNOTE_PHONE_BENCH_SECONDS");
    return text != nullptr ? std::max(2, std::atoi(text)) : 10;
}

// One phone: a keep-alive connection from 127.0.3.<n>, a GET of the data
// every kRefresh, the time from sending to the last byte of each answer.
void phone(int n, int port, const std::string& target, Clock::time_point until,
           std::vector<double>& times, std::mutex& lock, std::atomic<int>& failures) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in from{};
    from.sin_family = AF_INET;
    from.sin_addr.s_addr = htonl((127u << 24) | (3u << 8) | static_cast<unsigned>(1 + n));
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<std::uint16_t>(port));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    timeval timeout{2, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    if (bind(fd, reinterpret_cast<sockaddr*>(&from), sizeof from) != 0 ||
        connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) != 0) {
        ++failures;
        close(fd);
        return;
    }
    const std::string request = "GET " + target + " HTTP/1.1\r\nHost: phone\r\n\r\n";
    std::this_thread::sleep_for(kRefresh * n / kPhones);
    while (Clock::now() < until) {
        const auto sent = Clock::now();
        std::string answer;
        bool whole = send(fd, request.data(), request.size(), MSG_NOSIGNAL) > 0;
        while (whole) {
            char buffer[16384];
            const ssize_t got = recv(fd, buffer, sizeof buffer, 0);
            if (got <= 0) {
                whole = false;
                break;
            }
            answer.append(buffer, static_cast<std::size_t>(got));
            const std::size_t headEnd = answer.find("\r\n\r\n");
            const std::size_t lengthAt = answer.find("Content-Length: ");
            if (headEnd != std::string::npos && lengthAt < headEnd &&
                answer.size() >= headEnd + 4 + std::stoul(answer.substr(lengthAt + 16))) {
                break;
            }
        }
        if (!whole || answer.rfind("HTTP/1.1 200", 0) != 0) {
            ++failures;
            break;
        }
        {
            const std::lock_guard guard(lock);
            times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - sent).count());
        }
        std::this_thread::sleep_until(sent + kRefresh);
    }
    close(fd);
}

std::tm evening() {
    std::tm moment{};
    moment.tm_year = 126;
    moment.tm_mon = 11;
    moment.tm_mday = 7;
    moment.tm_hour = 19;
    moment.tm_min = 30;
    return moment;
}

// A full club night in the real main window: twenty members a team, ten
// courts running, results entered for the first pairs.
struct ClubNight {
    ClubNight() {
        const std::filesystem::path workDir = folder.path().toStdU16String();
        program = std::make_unique<Program>(platform, clock, settings, workDir);
        window = std::make_unique<MainWindow>(*program);
        MeetingBuilder night(20, 20);
        night.clubNames();
        for (int k = 0; k < 5; ++k) {
            night.twoTeam(1 + 2 * k, 2 + 2 * k, 1 + 2 * k, 2 + 2 * k, 6, k);
        }
        for (int k = 0; k < 5; ++k) {
            night.runningTwoTeam(11 + 2 * k, 12 + 2 * k, 11 + 2 * k, 12 + 2 * k);
        }
        computeStandings(night.state());
        program->state = night.state();
        window->show();
        redraw(*program);
        window->render();
    }

    void redrawOnce() {
        redraw(*program);
        window->render();
    }

    QTemporaryDir folder;
    ScriptedPlatform platform;
    FixedClock clock{evening()};
    MemorySettingsStore settings;
    std::unique_ptr<Program> program;
    std::unique_ptr<MainWindow> window;
};

// 60 phones against the window's server for `seconds`, in the background.
class PhoneLoad {
public:
    PhoneLoad(PhoneAccess& access, int seconds) {
        const int port = access.port();
        const std::string target = QUrl(access.pageAddress()).path().toStdString() + "state.json";
        const auto until = Clock::now() + std::chrono::seconds(seconds);
        for (int n = 0; n < kPhones; ++n) {
            threads_.emplace_back(phone, n, port, target, until, std::ref(times_), std::ref(lock_),
                                  std::ref(failures_));
        }
    }
    ~PhoneLoad() { join(); }

    void join() {
        for (std::thread& thread : threads_) {
            if (thread.joinable()) {
                thread.join();
            }
        }
    }

    // The answer times, sorted.
    std::vector<double> times() {
        join();
        std::sort(times_.begin(), times_.end());
        return times_;
    }
    int failures() const { return failures_; }

private:
    std::vector<std::thread> threads_;
    std::vector<double> times_;
    std::mutex lock_;
    std::atomic<int> failures_ = 0;
};

double percentile(const std::vector<double>& sorted, double share) {
    if (sorted.empty()) {
        return 0;
    }
    const auto at = static_cast<std::size_t>(share * static_cast<double>(sorted.size() - 1));
    return sorted[at];
}

void switchOn(PhoneAccess& access) {
    access.setAddresses(QHostAddress::LocalHost, QHostAddress::LocalHost);
    access.setPort(18080);
    access.switchOn();
}

// The answer times of 60 phones refreshing every 2 s, while the window
// stands idle apart from the server's own publishing.
void PhonesRefreshing(benchmark::State& state) {
    ClubNight night;
    PhoneAccess& access = *night.window->phoneAccess();
    switchOn(access);
    for (auto _ : state) {
        PhoneLoad load(access, loadSeconds());
        const auto until = Clock::now() + std::chrono::seconds(loadSeconds());
        while (Clock::now() < until) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        const std::vector<double> times = load.times();
        state.counters["answers"] = static_cast<double>(times.size());
        state.counters["failures"] = load.failures();
        state.counters["p50_ms"] = percentile(times, 0.50);
        state.counters["p99_ms"] = percentile(times, 0.99);
        state.counters["max_ms"] = times.empty() ? 0 : times.back();
    }
}
BENCHMARK(PhonesRefreshing)->Iterations(1)->Unit(benchmark::kSecond);

// One redraw of the main window (the rules and the drawing), with the
// server off (0) or on with 60 phones refreshing (1).
void MainWindowRedraw(benchmark::State& state) {
    ClubNight night;
    PhoneAccess& access = *night.window->phoneAccess();
    std::unique_ptr<PhoneLoad> load;
    if (state.range(0) == 1) {
        switchOn(access);
        load = std::make_unique<PhoneLoad>(access, loadSeconds());
    }
    for (auto _ : state) {
        night.redrawOnce();
        QCoreApplication::processEvents();
    }
    state.counters["server"] = static_cast<double>(state.range(0));
}
BENCHMARK(MainWindowRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(3);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
