#include "platform/NotifyIconData.h"

#include <gtest/gtest.h>

#include <string>

using platform::fieldText;
using platform::NotifyIconData;
using platform::setField;

namespace {

std::string bytesOf(const std::array<char, NotifyIconData::kTipSize>& field) {
    return std::string(field.data(), field.size());
}

} // namespace

TEST(NotifyIconData, FieldHoldsTextOneNulThenBlanks) {
    NotifyIconData data;
    setField(data.szTip, "Velarcana by Quenlor");
    const std::string bytes = bytesOf(data.szTip);
    EXPECT_EQ(bytes.substr(0, 20), "Velarcana by Quenlor");
    EXPECT_EQ(bytes[20], '\0');
    EXPECT_EQ(bytes.substr(21), std::string(NotifyIconData::kTipSize - 21, ' '));
    EXPECT_EQ(fieldText(data.szTip), "Velarcana by Quenlor");
}

TEST(NotifyIconData, ShorterTextReplacesLongerOne) {
    NotifyIconData data;
    setField(data.szInfoTitle, "A rather long balloon title");
    setField(data.szInfoTitle, "Short");
    EXPECT_EQ(fieldText(data.szInfoTitle), "Short");
    setField(data.szInfoTitle, "");
    EXPECT_EQ(data.szInfoTitle[0], '\0');
    EXPECT_EQ(fieldText(data.szInfoTitle), "");
}

TEST(NotifyIconData, TextsAtTheFieldSizeAreCutAndNeverReadPastTheField) {
    struct Case {
        int length;
        int bytesKept;
        int shown;
    };
    // 127 characters fit with their NUL; from 128 on the field is full and has no NUL, and the
    // shell shows at most 127 characters of it.
    const Case cases[] = {{126, 126, 126}, {127, 127, 127}, {128, 128, 127}, {300, 128, 127}};
    for (const Case& c : cases) {
        NotifyIconData data;
        data.szTip.fill('x');
        const QString text(c.length, QLatin1Char('a'));
        setField(data.szTip, text);
        const std::string bytes = bytesOf(data.szTip);
        EXPECT_EQ(bytes.find_first_not_of('a'),
                  c.bytesKept < 128 ? std::size_t(c.bytesKept) : std::string::npos)
            << c.length;
        EXPECT_EQ(fieldText(data.szTip), QString(c.shown, QLatin1Char('a'))) << c.length;
    }
    NotifyIconData balloon;
    setField(balloon.szInfo, QString(400, QLatin1Char('b')));
    EXPECT_EQ(fieldText(balloon.szInfo).size(), 255);
    setField(balloon.szInfoTitle, QString(64, QLatin1Char('c')));
    EXPECT_EQ(fieldText(balloon.szInfoTitle).size(), 63);
}

TEST(NotifyIconData, TextsAreSingleByteWindows1252) {
    NotifyIconData data;
    const QString notice = QStringLiteral("ToolTps dinámicos");
    setField(data.szInfo, notice);
    EXPECT_EQ(static_cast<unsigned char>(data.szInfo[11]), 0xE1); // á
    EXPECT_EQ(data.szInfo[17], '\0');
    EXPECT_EQ(fieldText(data.szInfo), notice);
}
