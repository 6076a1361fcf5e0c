// While one lives, a save of the given file fails part way, after its temporary file was begun: on
// Linux every file is held to a few bytes, as on a full disk (root included); on Windows the file is
// held open by another handle that shares nothing, as a virus scanner or a second program holds it.
#pragma once

#include <QString>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <csignal>
#include <sys/resource.h>
#endif

class FailingWrite {
public:
#ifdef Q_OS_WIN
    explicit FailingWrite(const QString& target)
        : holder_(CreateFileW(reinterpret_cast<const wchar_t*>(target.utf16()), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    ~FailingWrite() { CloseHandle(holder_); }
#else
    explicit FailingWrite(const QString& /*target*/)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = saved_;
        tiny.rlim_cur = 8;
        setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~FailingWrite() { setrlimit(RLIMIT_FSIZE, &saved_); }
#endif
    FailingWrite(const FailingWrite&) = delete;
    FailingWrite& operator=(const FailingWrite&) = delete;

private:
#ifdef Q_OS_WIN
    HANDLE holder_;
#else
    rlimit saved_{};
#endif
};
