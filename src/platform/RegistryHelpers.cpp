#include "RegistryHelpers.h"

#include "Registry.h"

namespace platform {

namespace {

const QString vendorKey = QStringLiteral("Software\\Quentara");
constexpr qsizetype longestReadableValue = 248;

} // namespace

QString RegistryRead(const Registry& registry, const QString& root, const QString& subkey,
                     const QString& name) {
    const std::optional<QString> value = registry.value(root, subkey, name);
    if (!value || value->size() > longestReadableValue)
        return {};
    const qsizetype nul = value->indexOf(QChar(0));
    return nul < 0 ? *value : value->left(nul);
}

bool RegistryEnsureKey(Registry& registry, const QString& root, const QString& suffix) {
    return registry.createKey(root, vendorKey + suffix);
}

bool RegistryWrite(Registry& registry, const QString& root, const QString& suffix,
                   const QString& name, const QString& text) {
    const QString key = vendorKey + suffix;
    if (!registry.keyExists(root, key))
        return false;
    return registry.setValue(root, key, name, text);
}

} // namespace platform
