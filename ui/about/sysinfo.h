#pragma once

#include <QString>

#include <cstdint>

#include "registry.h"

class QWidget;

namespace dodoru {

class MessageBoxes;

// Looks for a file.
class FileLookup {
public:
    virtual ~FileLookup() = default;
    // The name of the file at `path`, or an empty text when there is no such file.
    virtual QString firstMatch(const QString& path) = 0;
};

// The file system. Off Windows a backslash in the path also separates folders, and the file name is
// matched without regard to case, as the registry's paths are written for Windows.
class HostFileLookup final : public FileLookup {
public:
    QString firstMatch(const QString& path) override;
};

// Starts a program as a separate process.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // False when the program could not be started.
    virtual bool start(const QString& path) = 0;
};

class DetachedProgramStarter final : public ProgramStarter {
public:
    bool start(const QString& path) override;
};

// "目前無法提供系統資訊" in the window's language.
QString noSystemInfoMessage();

// The About box's System Info button: finds the system information tool through the registry and
// starts it, or says that it cannot.
class SystemInfoLauncher {
public:
    // The access the keys are opened with: reading only, which every user has.
    static constexpr std::uint32_t kKeyAccess = registry::kRead;
    static constexpr std::uint32_t kBufferSize = 1024;

    SystemInfoLauncher(registry::Registry& registry, FileLookup& files, ProgramStarter& starter,
                       MessageBoxes& boxes)
        : registry_(registry), files_(files), starter_(starter), boxes_(boxes) {}

    // Tries the tool's path, then its folder with "\MSINFO32.EXE" appended (only when that file
    // exists); otherwise shows "目前無法提供系統資訊" over `parent`.
    void StartSysInfo(QWidget* parent);

    // Reads one value as text into KeyVal: -1 when found, 0 (and an empty KeyVal) when not. Texts come
    // back without their terminating NUL; 32-bit numbers as plain unsigned decimal; values of other
    // types leave KeyVal as it was passed.
    std::int16_t GetKeyValue(std::uint32_t& KeyRoot, QString& KeyName, QString& SubKeyRef, QString& KeyVal);

private:
    registry::Registry& registry_;
    FileLookup& files_;
    ProgramStarter& starter_;
    MessageBoxes& boxes_;
};

} // namespace dodoru
