// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets/PresetDocument.h"
#include "support/ClockTest.h"

#include <gtest/gtest.h>

using presets::ParsePresetDateTime;
using presets::ReadPresetDocument;
using presets::TDateTimeContext;

namespace {

TDateTimeContext Context(int year = 2026) {
    TDateTimeContext c;
    c.CurrentYear = year;
    return c;
}

// The moment read from text, or NaN when it is unreadable.
double Read(const char* text, const TDateTimeContext& c = Context()) {
    TDateTime out = 0;
    return ParsePresetDateTime(QString::fromUtf8(text), c, out) ? out : std::nan("");
}

std::optional<presets::TPresetList> Doc(const std::string& text, TDateTime now = At(2026, 1, 1)) {
    const auto clock = [now] { return now; };
    return ReadPresetDocument(text, clock, Context());
}

std::string Items(const std::string& items, const std::string& version = "1") {
    return "<korvane5xml version=\"" + version + "\">" + items + "</korvane5xml>";
}

std::string Item(const std::string& label, const std::string& when) {
    return "<item datetime=\"" + when + "\">" + label + "</item>";
}

} // namespace

TEST(PresetDocumentTest_DateTime, WrittenFormAndTheFormsTheRulesAlsoAccept) {
    EXPECT_EQ(Read("2026-12-24 18:30:05"), At(2026, 12, 24, 18, 30, 5));
    EXPECT_EQ(Read("2026-12-24"), At(2026, 12, 24)) << "a date alone is midnight";
    EXPECT_EQ(Read("2026-12-24-"), At(2026, 12, 24)) << "one trailing dash";
    EXPECT_EQ(Read("  2026 - 12 - 24   18 : 30  "), At(2026, 12, 24, 18, 30));
    EXPECT_EQ(Read("12-24 07:00"), At(2026, 12, 24, 7)) << "two numbers: month, day";
    EXPECT_EQ(Read("2026-1-2 3:4:5"), At(2026, 1, 2, 3, 4, 5));
    EXPECT_EQ(Read("2026-12-24 18:30:05.5"), At(2026, 12, 24, 18, 30, 5, 5))
        << "milliseconds are a whole number";
    EXPECT_EQ(Read("2026-12-24 18:30:05.999"), At(2026, 12, 24, 18, 30, 5, 999));
    EXPECT_EQ(Read("2026-12-24 18:30:05 and more"), At(2026, 12, 24, 18, 30, 5))
        << "text after a complete time is ignored";
    EXPECT_EQ(Read("0001-01-01"), At(1, 1, 1));
    EXPECT_EQ(Read("9999-12-31 23:59:59"), At(9999, 12, 31, 23, 59, 59));
}

TEST(PresetDocumentTest_DateTime, TwoDigitYearsFallInTheWindowAroundTheCurrentYear) {
    // Current year 2026: the window is 1976 to 2075.
    EXPECT_EQ(Read("76-01-01"), At(1976, 1, 1));
    EXPECT_EQ(Read("75-01-01"), At(2075, 1, 1));
    EXPECT_EQ(Read("26-06-01"), At(2026, 6, 1));
    EXPECT_EQ(Read("00-06-01"), At(2000, 6, 1));
    EXPECT_EQ(Read("7-06-01"), At(2007, 6, 1));
    EXPECT_EQ(Read("076-01-01"), At(76, 1, 1)) << "three digits are a year as written";
    EXPECT_EQ(Read("0026-06-01"), At(26, 6, 1));
    // Another current year moves the window.
    EXPECT_EQ(Read("49-01-01", Context(2000)), At(2049, 1, 1));
    EXPECT_EQ(Read("50-01-01", Context(2000)), At(1950, 1, 1));
    EXPECT_EQ(Read("99-01-01", Context(2099)), At(2099, 1, 1));
    EXPECT_EQ(Read("48-01-01", Context(2099)), At(2148, 1, 1));
}

TEST(PresetDocumentTest_DateTime, CalendarAndClockRangesAreEnforced) {
    for (const char* bad : {"2026-02-29",
                            "2100-02-29",
                            "2026-04-31",
                            "2026-13-01",
                            "2026-00-10",
                            "2026-01-32",
                            "0000-01-01",
                            "2026-12-24 24:00:00",
                            "2026-12-24 23:60:00",
                            "2026-12-24 23:59:60",
                            "2026-12-24 10:00:00.1000",
                            "2026-12-24 10",
                            "2026-12-24 10:",
                            "2026-12-24 :30",
                            "2026-12-24T09:00:00",
                            "2026-12-24 09.00.00",
                            "2026/12/24",
                            "",
                            "   ",
                            "abc",
                            "2026-12-24 10:00:"}) {
        EXPECT_TRUE(std::isnan(Read(bad))) << bad;
    }
    EXPECT_EQ(Read("2024-02-29"), At(2024, 2, 29));
    EXPECT_EQ(Read("2000-02-29"), At(2000, 2, 29));
}

TEST(PresetDocumentTest_DateTime, NumberReadingStopsAtAThousand) {
    // "20261" reads as 2026 with "1" left behind, which is no separator.
    EXPECT_TRUE(std::isnan(Read("20261-01-01")));
    // Leading zeros keep the value low, so every digit is taken.
    EXPECT_EQ(Read("02026-01-01"), At(2026, 1, 1));
    EXPECT_EQ(Read("2026-0000012-01"), At(2026, 12, 1));
    EXPECT_EQ(Read("2026-12-24 0000009:05"), At(2026, 12, 24, 9, 5));
}

TEST(PresetDocumentTest_DateTime, MorningAndAfternoonMarkers) {
    EXPECT_EQ(Read("2026-12-24 12:15 AM"), At(2026, 12, 24, 0, 15));
    EXPECT_EQ(Read("2026-12-24 12:15 pm"), At(2026, 12, 24, 12, 15));
    EXPECT_EQ(Read("2026-12-24 pm 1:15"), At(2026, 12, 24, 13, 15)) << "marker first";
    EXPECT_EQ(Read("2026-12-24 11:15:30Am"), At(2026, 12, 24, 11, 15, 30));
    EXPECT_TRUE(std::isnan(Read("2026-12-24 13:15 PM"))) << "with a marker hours are 1-12";
    EXPECT_TRUE(std::isnan(Read("2026-12-24 0:15 AM")));

    // The locale's own markers count too, letter case ignored.
    TDateTimeContext german = Context();
    german.AmMarker = QStringLiteral("vorm.");
    german.PmMarker = QStringLiteral("nachm.");
    EXPECT_EQ(Read("2026-12-24 3:00 NACHM.", german), At(2026, 12, 24, 15));
    EXPECT_EQ(Read("2026-12-24 3:00 PM", german), At(2026, 12, 24, 15));
    EXPECT_EQ(Read("2026-12-24 vorm. 12:00", german), At(2026, 12, 24, 0));
}

TEST(PresetDocumentTest_DateTime, RegionalSeparatorsAndATimeAlone) {
    TDateTimeContext c = Context();
    c.TimeSeparator = QStringLiteral(".");
    c.DecimalSeparator = QStringLiteral(",");
    EXPECT_EQ(Read("2026-12-24 18.30.05,250", c), At(2026, 12, 24, 18, 30, 5, 250));
    EXPECT_TRUE(std::isnan(Read("2026-12-24 18:30:05", c)));

    // A time alone lies on day zero of the scale.
    EXPECT_DOUBLE_EQ(Read("18:00"), 0.75);
    EXPECT_DOUBLE_EQ(Read(" 6:00 PM "), 0.75);
    EXPECT_TRUE(std::isnan(Read("18:00 tomorrow"))) << "nothing may follow a time alone";
}

TEST(PresetDocumentTest, UnrecognisedDocumentsAreRejected) {
    const std::string one = Item("A", "2026-06-01 00:00:00");
    std::string tenThenBroken;
    for (int i = 0; i < 10; ++i)
        tenThenBroken += one;
    for (const std::string& bad : {
             std::string(),
             std::string("not xml at all"),
             std::string("{\"json\": true}"),
             "<other version=\"1\">" + one + "</other>",
             "<Korvane5xml version=\"1\">" + one + "</Korvane5xml>",
             "<korvane5xml>" + one + "</korvane5xml>",
             Items(one, "1.1"),
             Items(one, "2"),
             Items(one, ""),
             Items(one, "abc"),
             Items(one, "0x1"),
             Items(tenThenBroken + "<item datetime=\"2026-07-01\">B</itm>"),
             Items(one) + "<unclosed",
             std::string("\0", 1) + Items(one),
             // Ending inside a multi-byte sequence: the parser must not read past the end.
             std::string("<korvane5xml version=\"1\">\xF2"),
             std::string("<korvane5xml version=\"1\"><item datetime=\"\xF4"),
         }) {
        EXPECT_FALSE(Doc(bad).has_value()) << bad;
    }
}

TEST(PresetDocumentTest, VersionOneInAnyWrittenForm) {
    for (const char* version : {"1", "1.0", "+1", " 1", "1e0", "1.", "1 beta", "0.1e1"}) {
        const auto list = Doc(Items(Item("A", "2026-06-01"), version));
        ASSERT_TRUE(list.has_value()) << version;
        EXPECT_EQ(list->Labels.size(), 1) << version;
    }
    // A declaration, comments and content after the root do not matter.
    const auto list = Doc("<?xml version=\"1.0\"?><!-- c --><korvane5xml version=\"1\">" +
                          Item("A", "2026-06-01") + "</korvane5xml><!-- after -->");
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->Labels, QStringList{"A"});
    // The text ends at a zero byte, whatever follows it.
    const auto cut = Doc(Items(Item("A", "2026-06-01")) + std::string("\0<unclosed", 11));
    ASSERT_TRUE(cut.has_value());
    EXPECT_EQ(cut->Labels, QStringList{"A"});
}

TEST(PresetDocumentTest, UnusableItemsAreDroppedAndNeighboursKept) {
    const auto list = Doc(Items(
        Item("first", "2026-06-01 10:00:00") + "<item>no datetime</item>" +
        "<item datetime=\"2026-06-02\"></item>" + "<item datetime=\"2026-06-03\">  \n\t </item>" +
        Item("letter T", "2026-12-01T09:00:00") + Item("empty datetime", "") +
        Item("passed", "2025-12-31 23:59:59") + Item("time alone", "09:00") +
        "<other datetime=\"2026-06-04\">not an item</other>" + "<group>" +
        Item("nested", "2026-06-05") + "</group>" + Item("second", "2026-06-06")));
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->Labels, (QStringList{"first", "second"}));
    EXPECT_EQ(list->Dates, (std::vector<TDateTime>{At(2026, 6, 1, 10), At(2026, 6, 6)}));
}

TEST(PresetDocumentTest, ThePresentMomentIsKeptAndNowIsReadPerItem) {
    const TDateTime now = At(2026, 6, 1, 12);
    EXPECT_EQ(Doc(Items(Item("now", "2026-06-01 12:00:00")), now)->Labels, QStringList{"now"});

    // Time moves on while the document is read: each item meets the now of its turn.
    TDateTime clock = At(2026, 6, 1);
    int reads = 0;
    const auto list = ReadPresetDocument(
        Items(Item("a", "2026-06-01 00:00:00") + Item("b", "2026-06-01 00:00:00")),
        [&] {
            ++reads;
            const TDateTime t = clock;
            clock += Second;
            return t;
        },
        Context());
    EXPECT_EQ(reads, 2);
    EXPECT_EQ(list->Labels, QStringList{"a"});
}

TEST(PresetDocumentTest, SortedByLabelWithEachMomentBesideItsLabel) {
    // Ordered as the user's language orders words, not by character codes.
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto list = Doc(Items(Item("Summer holiday", "2026-07-01 00:00:00") +
                                Item("Annual review", "2026-12-01 09:00:00") +
                                Item("same", "2026-03-01") + Item("Zebra", "2026-02-01") +
                                Item("same", "2026-04-01") + Item("apple", "2026-05-01")));
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->Labels,
              (QStringList{"Annual review", "apple", "same", "same", "Summer holiday", "Zebra"}));
    ASSERT_EQ(list->Dates.size(), 6u);
    EXPECT_EQ(list->Dates[0], At(2026, 12, 1, 9));
    EXPECT_EQ(list->Dates[1], At(2026, 5, 1));
    EXPECT_EQ(list->Dates[2], At(2026, 3, 1)) << "equal labels keep their own moments";
    EXPECT_EQ(list->Dates[3], At(2026, 4, 1));
    EXPECT_EQ(list->Dates[4], At(2026, 7, 1));
    EXPECT_EQ(list->Dates[5], At(2026, 2, 1));
    QLocale::setDefault(saved);
}

TEST(PresetDocumentTest, LabelsAreCondensedDecodedUtf8Text) {
    const auto list = Doc(Items(Item("  New \n\t Year&apos;s   Eve &amp; more ", "2026-12-31") +
                                Item("Fête &#233;t&#xE9;", "2026-07-14") +
                                Item("<![CDATA[raw <b>]]>", "2026-08-01") +
                                Item("<b>bold</b> tail", "2026-09-01")));
    ASSERT_TRUE(list.has_value());
    EXPECT_TRUE(list->Labels.contains("New Year's Eve & more"));
    EXPECT_TRUE(list->Labels.contains(QString::fromUtf8("Fête été")));
    EXPECT_TRUE(list->Labels.contains("raw <b>"));
    // The first child is an element: its value is the element's name.
    EXPECT_TRUE(list->Labels.contains("b"));

    // A declared single-byte encoding is read byte by byte.
    const auto latin = Doc("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" +
                           Items(Item("F\xEAte", "2026-07-14")));
    ASSERT_TRUE(latin.has_value());
    EXPECT_EQ(latin->Labels, QStringList{QString::fromUtf8("Fête")});
    const auto declared = Doc("\xEF\xBB\xBF<?xml version='1.0' encoding='utf-8'?>" +
                              Items(Item("F\xC3\xAAte &#233;", "2026-07-14")));
    ASSERT_TRUE(declared.has_value());
    EXPECT_EQ(declared->Labels, QStringList{QString::fromUtf8("Fête é")});
}

TEST(PresetDocumentTest, RecognisedWithoutItemsIsAnEmptySuccess) {
    for (const std::string& text :
         {Items(""), std::string("<korvane5xml version=\"1\"/>"),
          Items(Item("old", "2001-01-01") + Item("older", "1999-01-01"))}) {
        const auto list = Doc(text);
        ASSERT_TRUE(list.has_value()) << text;
        EXPECT_TRUE(list->Labels.isEmpty());
        EXPECT_TRUE(list->Dates.empty());
    }
}
