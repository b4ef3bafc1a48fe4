// The fuzz program: a supervisor that runs workers of this same program over
// ranges of input numbers and sums up what they report, and the worker that
// reads the inputs. A worker that dies (a crash, an assertion, the watchdog's
// time limit or memory ceiling) is counted against the input it was reading,
// which is kept in the findings folder, and a new worker goes on after it.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "fuzz/BoxAnswerer.h"
#include "fuzz/FuzzReader.h"
#include "fuzz/InputWatchdog.h"
#include "fuzz/Mutator.h"

namespace {

struct Options {
    std::string reader = "all";
    bool worker = false;
    bool list = false;
    uint64_t inputs = 2000;
    uint64_t from = 0, to = 0;
    uint64_t seed = 1;
    unsigned jobs = 1;
    unsigned hangMilliseconds = 2000;
    size_t memoryMegabytes = 64;
    std::string folder;
    std::string findings = "fuzz-findings";
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        auto value = [&]() { return std::string(argv[++i]); };
        if (arg == "--worker") {
            options.worker = true;
        } else if (arg == "--list") {
            options.list = true;
        } else if (!hasValue) {
            return false;
        } else if (arg == "--reader") {
            options.reader = value();
        } else if (arg == "--inputs") {
            options.inputs = std::strtoull(value().c_str(), nullptr, 10);
        } else if (arg == "--from") {
            options.from = std::strtoull(value().c_str(), nullptr, 10);
        } else if (arg == "--to") {
            options.to = std::strtoull(value().c_str(), nullptr, 10);
        } else if (arg == "--seed") {
            options.seed = std::strtoull(value().c_str(), nullptr, 10);
        } else if (arg == "--jobs") {
            options.jobs = std::max(1, std::atoi(value().c_str()));
        } else if (arg == "--hang-ms") {
            options.hangMilliseconds = unsigned(std::max(1, std::atoi(value().c_str())));
        } else if (arg == "--memory-mb") {
            options.memoryMegabytes = size_t(std::max(1, std::atoi(value().c_str())));
        } else if (arg == "--folder") {
            options.folder = value();
        } else if (arg == "--findings") {
            options.findings = value();
        } else {
            return false;
        }
    }
    return true;
}

const ReaderEntry* FindReader(const std::vector<ReaderEntry>& readers, const std::string& name) {
    for (const ReaderEntry& entry : readers)
        if (name == entry.name) return &entry;
    return nullptr;
}

void RemoveFolder(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                const std::string file = folder + "\\" + found.cFileName;
                SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(file.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

// ------------------------------------------------------------------ worker

LONG WINAPI EndOnCrash(EXCEPTION_POINTERS* exception) {
    // No debugger, no crash box: the supervisor reads the code.
    TerminateProcess(GetCurrentProcess(), exception->ExceptionRecord->ExceptionCode);
    return EXCEPTION_EXECUTE_HANDLER;
}

std::string InputPath(const std::string& folder, const FuzzReader& reader) {
    return folder + "\\input" + reader.Extension();
}

int RunWorker(const Options& options, const ReaderEntry& entry) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    SetUnhandledExceptionFilter(&EndOnCrash);
    InstallBoxAnswerer();
    CreateDirectoryA(options.folder.c_str(), nullptr);
    std::unique_ptr<FuzzReader> reader = entry.make();
    const Mutator mutator(reader->MakeSeeds(options.folder), options.seed);
    TakeAnsweredBoxCount();
    printf("S %u\n", unsigned(mutator.SeedCount()));
    fflush(stdout);
    const std::string path = InputPath(options.folder, *reader);
    InputWatchdog watchdog(options.hangMilliseconds, options.memoryMegabytes << 20);
    for (uint64_t index = options.from; index < options.to; ++index) {
        WriteFileBytes(path, mutator.Input(index));
        watchdog.Begin();
        const ReadOutcome outcome = reader->Read(path, options.folder);
        double milliseconds = 0.0;
        size_t peak = 0;
        watchdog.End(&milliseconds, &peak);
        printf("E %llu %d %d %.1f %llu %d\n", static_cast<unsigned long long>(index),
               outcome.accepted ? 1 : 0, outcome.changed ? 1 : 0, milliseconds,
               static_cast<unsigned long long>(peak), TakeAnsweredBoxCount());
        fflush(stdout);
    }
    return 0;
}

// -------------------------------------------------------------- supervisor

struct Tally {
    uint64_t inputs = 0, accepted = 0, crashes = 0, hangs = 0, overMemory = 0, changed = 0;
    uint64_t seedsRefused = 0;
    double slowest = 0.0;
    size_t peak = 0;

    bool Clean() const {
        return crashes == 0 && hangs == 0 && overMemory == 0 && changed == 0 && seedsRefused == 0;
    }
};

class Supervisor {
public:
    Supervisor(const Options& options, const std::string& reader)
        : options_(options), reader_(reader) {}

    Tally Run();

private:
    void RunRange(unsigned job, uint64_t from, uint64_t to);
    // Runs one worker from `from`; returns the next input to read.
    uint64_t RunWorkerProcess(const std::string& folder, uint64_t from, uint64_t to);
    void Record(const char* line);
    void KeepFinding(const std::string& folder, uint64_t index, DWORD code);

    const Options& options_;
    const std::string reader_;
    std::mutex mutex_;
    Tally tally_;
    uint64_t seedCount_ = 0;
    std::string extension_;
};

Tally Supervisor::Run() {
    std::vector<std::thread> threads;
    const unsigned jobs =
        unsigned(std::min<uint64_t>(options_.jobs, std::max<uint64_t>(options_.inputs, 1)));
    for (unsigned job = 0; job < jobs; ++job) {
        const uint64_t from = options_.inputs * job / jobs;
        const uint64_t to = options_.inputs * (job + 1) / jobs;
        threads.emplace_back([this, job, from, to] { RunRange(job, from, to); });
    }
    for (std::thread& thread : threads) thread.join();
    return tally_;
}

void Supervisor::RunRange(unsigned job, uint64_t from, uint64_t to) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "fuzz-" + reader_ + "-" +
                               std::to_string(GetCurrentProcessId()) + "-" + std::to_string(job);
    for (uint64_t next = from; next < to;) next = RunWorkerProcess(folder, next, to);
    RemoveFolder(folder);
}

uint64_t Supervisor::RunWorkerProcess(const std::string& folder, uint64_t from, uint64_t to) {
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    const std::string command =
        std::string("\"") + program + "\" --worker --reader " + reader_ + " --from " +
        std::to_string(from) + " --to " + std::to_string(to) + " --seed " +
        std::to_string(options_.seed) + " --hang-ms " + std::to_string(options_.hangMilliseconds) +
        " --memory-mb " + std::to_string(options_.memoryMegabytes) + " --folder \"" + folder + "\"";
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return to;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process = {};
    std::string commandLine = command;
    const BOOL started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        fprintf(stderr, "fuzz: cannot start a worker\n");
        return to;
    }
    uint64_t next = from;
    std::string pending;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        pending.append(buffer, got);
        size_t end;
        while ((end = pending.find('\n')) != std::string::npos) {
            const std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            if (line.rfind("E ", 0) == 0) {
                Record(line.c_str());
                next = std::strtoull(line.c_str() + 2, nullptr, 10) + 1;
            } else if (line.rfind("S ", 0) == 0) {
                std::lock_guard<std::mutex> lock(mutex_);
                seedCount_ = std::strtoull(line.c_str() + 2, nullptr, 10);
            }
        }
    }
    CloseHandle(readEnd);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    if (next >= to && code == 0) return to;
    // The worker died on input `next`.
    KeepFinding(folder, next, code);
    return next + 1;
}

void Supervisor::Record(const char* line) {
    unsigned long long index = 0, peak = 0;
    int accepted = 0, changed = 0, boxes = 0;
    double milliseconds = 0.0;
    if (sscanf(line, "E %llu %d %d %lf %llu %d", &index, &accepted, &changed, &milliseconds, &peak,
               &boxes) != 6)
        return;
    std::lock_guard<std::mutex> lock(mutex_);
    ++tally_.inputs;
    if (accepted) ++tally_.accepted;
    if (changed) ++tally_.changed;
    if (index < seedCount_ && !accepted) ++tally_.seedsRefused;
    tally_.slowest = std::max(tally_.slowest, milliseconds);
    tally_.peak = std::max(tally_.peak, size_t(peak));
}

void Supervisor::KeepFinding(const std::string& folder, uint64_t index, DWORD code) {
    const char* kind = code == kExitHang ? "hang" : code == kExitMemory ? "memory" : "crash";
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ++tally_.inputs;
        if (code == kExitHang) {
            ++tally_.hangs;
        } else if (code == kExitMemory) {
            ++tally_.overMemory;
        } else {
            ++tally_.crashes;
        }
    }
    CreateDirectoryA(options_.findings.c_str(), nullptr);
    // The worker left the input it died on in its folder.
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\input*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    FindClose(search);
    const std::string name = found.cFileName;
    const std::string kept = options_.findings + "\\" + reader_ + "-" + kind + "-" +
                             std::to_string(index) + name.substr(name.find('.'));
    CopyFileA((folder + "\\" + name).c_str(), kept.c_str(), FALSE);
    fprintf(stderr, "fuzz: %s: %s on input %llu (code 0x%lX), kept as %s\n", reader_.c_str(), kind,
            static_cast<unsigned long long>(index), static_cast<unsigned long>(code), kept.c_str());
}

int RunSupervisor(const Options& options, const std::vector<ReaderEntry>& readers) {
    std::vector<std::string> names;
    for (const ReaderEntry& entry : readers)
        if (options.reader == "all" || options.reader == entry.name) names.push_back(entry.name);
    if (names.empty()) {
        fprintf(stderr, "fuzz: no reader called %s\n", options.reader.c_str());
        return 2;
    }
    bool clean = true;
    for (const std::string& name : names) {
        const DWORD started = GetTickCount();
        Tally tally = Supervisor(options, name).Run();
        const double seconds = std::max(0.001, (GetTickCount() - started) / 1000.0);
        printf(
            "%-22s inputs %7llu  inputs/s %6.0f  accepted %6llu  crashes %llu  hangs %llu  "
            "over-memory %llu  changed %llu  seeds-refused %llu  slowest %.0f ms  "
            "peak %.1f MB\n",
            name.c_str(), static_cast<unsigned long long>(tally.inputs), tally.inputs / seconds,
            static_cast<unsigned long long>(tally.accepted),
            static_cast<unsigned long long>(tally.crashes),
            static_cast<unsigned long long>(tally.hangs),
            static_cast<unsigned long long>(tally.overMemory),
            static_cast<unsigned long long>(tally.changed),
            static_cast<unsigned long long>(tally.seedsRefused), tally.slowest,
            tally.peak / 1048576.0);
        fflush(stdout);
        clean = clean && tally.Clean() && tally.inputs == options.inputs;
    }
    return clean ? 0 : 1;
}

}  // namespace

std::string ReadFileBytes(const std::string& path) {
    std::string bytes;
    FILE* file = fopen(path.c_str(), "rb");
    if (file == nullptr) return bytes;
    char buffer[65536];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    fclose(file);
    return bytes;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    FILE* file = fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return fclose(file) == 0 && written;
}

int FuzzMain(int argc, char** argv, const std::vector<ReaderEntry>& readers) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        fprintf(stderr,
                "usage: %s [--reader NAME|all] [--inputs N] [--seed S] [--jobs J] [--hang-ms MS] "
                "[--memory-mb MB] [--findings FOLDER] | --list\n",
                argv[0]);
        return 2;
    }
    if (options.list) {
        for (const ReaderEntry& entry : readers) printf("%s\n", entry.name);
        return 0;
    }
    if (options.worker) {
        const ReaderEntry* entry = FindReader(readers, options.reader);
        return entry != nullptr ? RunWorker(options, *entry) : 2;
    }
    return RunSupervisor(options, readers);
}
