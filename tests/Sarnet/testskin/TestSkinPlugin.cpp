#include "TestSkinPlugin.h"

QStringList TestSkinPlugin::skinNames() const
{
    return {QStringLiteral(TEST_SKIN_NAME), QStringLiteral("Shared")};
}
