// SPDX-License-Identifier: GPL-3.0-or-later
// Any text read as a property set: a set that reads is written back to the same text, and every
// typed read of its entries either gives a value or raises a numbered error.
#include <QGuiApplication>
#include <QString>
#include <cstdlib>

#include "numbered_error.h"
#include "property_bag.h"
#include "property_bag_text.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_property_bag";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::optional<tavimor::PropertyBag> bag = tavimor::testing::FromText(text);
    if (!bag) {
        return 0;
    }
    const QString written = tavimor::testing::ToText(*bag);
    const std::optional<tavimor::PropertyBag> again = tavimor::testing::FromText(written);
    if (!again || tavimor::testing::ToText(*again) != written) {
        std::abort();
    }
    for (const auto &entry : bag->Entries()) {
        try {
            (void)bag->ReadInt16(entry.key, 0);
        } catch (const tavimor::NumberedError &) {
        }
        try {
            (void)bag->ReadColour(entry.key, 0);
        } catch (const tavimor::NumberedError &) {
        }
        try {
            (void)bag->ReadBool(entry.key, false);
        } catch (const tavimor::NumberedError &) {
        }
        try {
            (void)bag->ReadString(entry.key, QString());
        } catch (const tavimor::NumberedError &) {
        }
    }
    return 0;
}
