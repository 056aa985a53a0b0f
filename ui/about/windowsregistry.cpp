// The system registry; built on Windows only.
#ifdef _WIN32

#include <windows.h>

#include "registry.h"

namespace dodoru::registry {

namespace {

class WindowsRegistry final : public Registry {
public:
    long openKey(RootKey root, const QByteArray& keyName, std::uint32_t access, KeyHandle& key) override {
        // Predefined root keys are sign-extended handle values.
        HKEY opened = nullptr;
        const LONG status =
            RegOpenKeyExA(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root))),
                          keyName.constData(), 0, static_cast<REGSAM>(access), &opened);
        if (status == ERROR_SUCCESS) key = reinterpret_cast<KeyHandle>(opened);
        return status;
    }

    long queryValue(KeyHandle key, const QByteArray& valueName, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override {
        DWORD valueType = 0;
        DWORD valueSize = size;
        const LONG status = RegQueryValueExA(reinterpret_cast<HKEY>(key), valueName.constData(), nullptr,
                                             &valueType, data, &valueSize);
        type = valueType;
        size = valueSize;
        return status;
    }

    long closeKey(KeyHandle key) override { return RegCloseKey(reinterpret_cast<HKEY>(key)); }
};

} // namespace

std::unique_ptr<Registry> systemRegistry() {
    return std::make_unique<WindowsRegistry>();
}

} // namespace dodoru::registry

#endif
