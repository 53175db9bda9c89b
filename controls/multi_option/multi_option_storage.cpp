// SPDX-License-Identifier: GPL-3.0-or-later
// Multi-option control (controls/multi_option/): its stored settings, the part of
// multi_option.h that reads and writes them.
#include <QGroupBox>

#include "caption_frame.h"
#include "colours.h"
#include "multi_option.h"
#include "option_button.h"
#include "own_font.h"
#include "property_bag.h"

namespace tavimor {
namespace {

using Defaults = MultiOption::Defaults;

}  // namespace

// ---- persistence ----

std::span<const StoredProperty> MultiOption::StoredProperties() const
{
    // Written in the table's order; read in the order of ReadOrder.
    using Row = StoredRows<MultiOption>;
    using C = MultiOption;
    static const StoredProperty rows[] = {
        Row::Custom(
            "BackStyle", Defaults::BackStyle,
            [](C &c, const QVariant &v) {
                c.m_BackStyle = v.value<qint16>();
                c.setAutoFillBackground(c.m_BackStyle != 0);
            },
            [](const C &c) { return c.m_BackStyle; }),
        Row::Getter<&C::BackColor>("BackColor", Defaults::BackColor,
                                   [](C &c, quint32 v) { SetBackColor(c.frameContainer, v); }),
        Row::Getter<&C::Caption>("Caption", QString(),
                                 [](C &c, const QString &v) { c.frameContainer->setTitle(v); }),
        Row::Getter<&C::CaptionColor>("CaptionColor", Defaults::ForeColor,
                                      [](C &c, quint32 v) { SetForeColor(c.frameContainer, v); }),
        Row::Getter<&C::Enabled>("Enabled", Defaults::Enabled,
                                 [](C &c, bool v) { c.setEnabled(v); }),
        Row::Getter<&C::OptionForeColor>(
            "OptionForeColor", Defaults::ForeColor,
            [](C &c, quint32 v) { SetForeColor(c.optChildOption[0], v); }),
        Row::Getter<&C::OptionBackColor>(
            "OptionBackColor", Defaults::BackColor,
            [](C &c, quint32 v) { SetBackColor(c.optChildOption[0], v); }),
        Row::Getter<&C::OptionFont>(
            "OptionFont", AmbientFont{},
            [](C &c, const QFont &v) { SetOwnFont(c.optChildOption[0], v); }),
        Row::Getter<&C::OptionLeft>(
            "OptionLeft", Defaults::OptionLeft,
            [](C &c, qint32 v) { c.m_optionGeometry[0].Left = static_cast<float>(v); }),
        Row::Getter<&C::BorderStyle>("BorderStyle", Defaults::BorderStyle,
                                     [](C &c, qint32 v) {
                                         c.m_BorderStyle = v;
                                         c.frameContainer->setFlat(v == 0);
                                     }),
        Row::Getter<&C::CaptionFont>("CaptionFont", AmbientFont{},
                                     [](C &c, const QFont &v) { SetOwnFont(c.frameContainer, v); }),
        Row::Field<&C::m_DefaultValue>("DefaultValue", Defaults::DefaultValue),
        Row::Field<&C::m_HoriSpace>("HoriSpace", Defaults::HoriSpace),
        Row::Field<&C::m_OptionCaptions>("OptionCaptions", QString()),
        Row::Field<&C::m_OptionHeight>("OptionHeight", Defaults::OptionHeight),
        Row::Field<&C::m_OptionNum>("OptionNum", Defaults::OptionNum),
        Row::Field<&C::m_OptionNumPerLine>("OptionNumPerLine", Defaults::OptionNumPerLine),
        Row::Getter<&C::OptionTop>(
            "OptionTop", Defaults::OptionTop,
            [](C &c, qint32 v) { c.m_optionGeometry[0].Top = static_cast<float>(v); }),
        Row::Field<&C::m_OptionWidth>("OptionWidth", Defaults::OptionWidth),
        Row::Field<&C::m_KeyName>("KeyName", QString()),
        Row::Field<&C::m_SectionName>("SectionName", QString()),
        Row::Field<&C::m_VartSpace>("VartSpace", Defaults::VartSpace),
    };
    return rows;
}

std::span<const ControlBase::ReadPart> MultiOption::ReadOrder() const
{
    // The control's own background style; the frame; button 0, the only button then, whose look
    // the rebuilt buttons copy; the fields and button 0's Top, taken as they are stored.
    static constexpr const char *keys[] = {
        "BackStyle",    "BackColor",    "BorderStyle",      "Caption",         "Enabled",
        "CaptionColor", "CaptionFont",  "OptionBackColor",  "OptionForeColor", "OptionLeft",
        "OptionFont",   "DefaultValue", "HoriSpace",        "KeyName",         "OptionCaptions",
        "OptionHeight", "OptionNum",    "OptionNumPerLine", "OptionTop",       "OptionWidth",
        "SectionName",  "VartSpace"};
    static constexpr ReadPart parts[] = {keys};
    return parts;
}

void MultiOption::ReadProperties(const PropertyBag &bag)
{
    LoadStored(bag, 0);
    RebuildOptions();
    setValue(m_DefaultValue);
}

}  // namespace tavimor
