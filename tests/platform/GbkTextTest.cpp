#include "platform/GbkText.h"

#include <gtest/gtest.h>

using platform::FromGbk;
using platform::ToGbk;

TEST(GbkText, ChineseIsWrittenAsItsGbkBytesTheEuroSignAs0x80AndTheRestAsGb18030)
{
    EXPECT_EQ(ToGbk(QStringLiteral("无名氏")), QByteArray("\xCE\xDE\xC3\xFB\xCA\xCF"));
    EXPECT_EQ(ToGbk(QStringLiteral("Score1=12")), QByteArray("Score1=12"));
    EXPECT_TRUE(ToGbk(QString()).isEmpty());

    EXPECT_EQ(ToGbk(QStringLiteral("€1")), QByteArray("\x80" "1"));
    EXPECT_EQ(FromGbk(QByteArray("\x80" "1")), QStringLiteral("€1"));
    const QString text = QString::fromUtf8("\xF0\x9F\x98\x80\xC7\xB9\xF0\xA0\x80\x80");  // an emoji, ǹ, U+20000
    const QByteArray gb18030("\x94\x39\xFC\x36\xA8\xBF\x95\x32\x82\x36");
    EXPECT_EQ(ToGbk(text), gb18030);
    EXPECT_EQ(FromGbk(gb18030), text);
}

TEST(GbkText, EveryTwoByteGbkCharacterReadsAndWritesBackUnchanged)
{
    int characters = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            const QByteArray bytes{char(lead), char(trail)};
            const QString text = FromGbk(bytes);
            if (text == QString(QChar(0xFFFD)))
                continue;  // an unassigned code
            ASSERT_EQ(ToGbk(text), bytes) << std::hex << lead << " " << trail;
            ++characters;
        }
    }
    EXPECT_GT(characters, 21000);  // GBK assigns 21886 two-byte codes
}

TEST(GbkText, InvalidBytesBecomeReplacementCharactersAndTheRestSurvives)
{
    const QString replacement(QChar(0xFFFD));
    EXPECT_EQ(FromGbk(QByteArray("A\xFF" "B")), "A" + replacement + "B");
    EXPECT_EQ(FromGbk(QByteArray("\xCE\xDE\x81")), QStringLiteral("无") + replacement);  // cut-off lead byte
    EXPECT_EQ(FromGbk(QByteArray("\x81\x30\x81")), replacement);  // cut-off four-byte character
    QByteArray everyByte;
    for (int i = 0; i < 256; ++i)
        everyByte += char(i);
    EXPECT_FALSE(FromGbk(everyByte.repeated(50)).isEmpty());
    EXPECT_TRUE(FromGbk(QByteArray()).isEmpty());
}
