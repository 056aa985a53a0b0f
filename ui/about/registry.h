#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace dodoru::registry {

// Root keys, access rights, value types and status codes as the system registry numbers them.
using RootKey = std::uint32_t;
using KeyHandle = std::uintptr_t;
inline constexpr RootKey kCurrentUser = 0x80000001u;
inline constexpr RootKey kLocalMachine = 0x80000002u;

inline constexpr std::uint32_t kQueryValue = 0x0001;
inline constexpr std::uint32_t kSetValue = 0x0002;
inline constexpr std::uint32_t kCreateSubKey = 0x0004;
inline constexpr std::uint32_t kEnumerateSubKeys = 0x0008;
inline constexpr std::uint32_t kNotify = 0x0010;
inline constexpr std::uint32_t kCreateLink = 0x0020;
inline constexpr std::uint32_t kReadControl = 0x20000;
inline constexpr std::uint32_t kWriteRights = kSetValue | kCreateSubKey | kCreateLink;
inline constexpr std::uint32_t kRead = kReadControl | kQueryValue | kEnumerateSubKeys | kNotify; // 0x20019

inline constexpr std::uint32_t kText = 1;   // a NUL-terminated text in the system's code page
inline constexpr std::uint32_t kNumber = 4; // a 32-bit little-endian number

inline constexpr long kSuccess = 0;
inline constexpr long kNotFound = 2;
inline constexpr long kAccessDenied = 5;
inline constexpr long kInvalidHandle = 6;
inline constexpr long kMoreData = 234;

// The three registry calls the system information launcher makes, in their single-byte form: names
// arrive in the system's code page.
class Registry {
public:
    virtual ~Registry() = default;
    virtual long openKey(RootKey root, const QByteArray& keyName, std::uint32_t access, KeyHandle& key) = 0;
    // `size` holds the buffer's size on entry and the value's size on return; a value larger than the
    // buffer gives kMoreData and copies nothing.
    virtual long queryValue(KeyHandle key, const QByteArray& valueName, std::uint32_t& type,
                            unsigned char* data, std::uint32_t& size) = 0;
    virtual long closeKey(KeyHandle key) = 0;
};

struct Value {
    std::uint32_t type = kText;
    QByteArray data; // as stored: texts end in their NUL

    static Value text(const QString& text); // in the system's code page, NUL-terminated
    static Value number(std::uint32_t number);
};

// Where there is no system registry: HKEY_LOCAL_MACHINE keys answered from memory, filled from an
// INI-style file and from defaults. Names of keys and values compare without regard to case. Opening
// a key for writing is refused unless the registry is marked writable, as for a user without
// administrator rights.
class StandInRegistry final : public Registry {
public:
    void setValue(const QString& keyName, const QString& valueName, const Value& value);
    void setWritable(bool writable) { writable_ = writable; }

    // Reads sections "[SOFTWARE\...]" (a leading "HKEY_LOCAL_MACHINE\" is allowed) with lines
    // "name=text", "name=\"text\"" or "name=dword:0000abcd"; lines starting with ';' or '#' are comments.
    // Entries replace values already present. False with `error` set when the file cannot be read.
    bool loadIni(const QString& path, QString* error = nullptr);

    long openKey(RootKey root, const QByteArray& keyName, std::uint32_t access, KeyHandle& key) override;
    long queryValue(KeyHandle key, const QByteArray& valueName, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override;
    long closeKey(KeyHandle key) override;

    int openKeys() const { return static_cast<int>(open_.size()); }
    std::uint32_t lastAccess() const { return lastAccess_; }

private:
    QHash<QString, QHash<QString, Value>> keys_; // lower-case key name -> lower-case value name -> value
    QHash<KeyHandle, QString> open_;
    KeyHandle nextHandle_ = 1;
    bool writable_ = false;
    std::uint32_t lastAccess_ = 0;
};

inline const QString kSysInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
inline const QString kSysInfoValue = QStringLiteral("PATH");
inline const QString kSysInfoLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
inline const QString kSysInfoLocationValue = QStringLiteral("MSINFO");

// System information programs looked for on the PATH, in order of preference.
QStringList systemInformationPrograms();

// Points the system information path at the first of systemInformationPrograms() that `findExecutable`
// finds (it returns the full path, or nothing); leaves the registry alone when none is found.
void addSystemInfoDefaults(StandInRegistry& registry,
                           const std::function<QString(const QString&)>& findExecutable);

// The machine-wide stand-in file: dodoru/registry.ini in the system configuration directories
// (for example /etc/xdg/dodoru/registry.ini), lowest priority first.
QStringList standInFiles();

// The registry of this system: the real one on Windows, else the stand-in with its defaults and files.
std::unique_ptr<Registry> systemRegistry();

} // namespace dodoru::registry
