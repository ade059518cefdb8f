// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/EventStore.h"
#include "store/Keys.h"
#include "store/Registry.h"
#include "store/RegistryFile.h"
#include "support/ClockTest.h"

using namespace events;

class EventStoreTest : public ClockTest {
protected:
    static TEvent Read() {
        store::TRegistry reg;
        EXPECT_TRUE(reg.OpenKeyReadOnly(store::keys::Clock(1)));
        return TEventStore::Read(reg);
    }
    static void Write(const TEvent& event) {
        store::TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(store::keys::Clock(1), true));
        TEventStore::Write(reg, event);
    }
    static QStringList Names() {
        store::TRegistry reg;
        EXPECT_TRUE(reg.OpenKeyReadOnly(store::keys::Clock(1)));
        QStringList names = reg.GetValueNames();
        names.sort();
        return names;
    }
};

// An event comes back as it was written, also through an export and an import of the
// store, the zoned first moment to the bit; a clock without one keeps only its target.
TEST_F(EventStoreTest, AnEventRoundTripsExactly) {
    const TEvent full{At(2026, 12, 24, 18, 0, 0) + 0.25 * Second,
                      "RRULE:FREQ=YEARLY\nEXDATE;TZID=Europe/Berlin:20271224T180000",
                      "Europe/Berlin", "Christmas \u2014 \"Eve\"", TAfterEnd::NextOccurrence};
    Write(full);
    EXPECT_EQ(Read(), full);
    EXPECT_EQ(Names(),
              QStringList({"AfterEnd", "CustomDateTime", "EventName", "Repeat", "TimeZone"}));
    const QString text = *store::regfile::Export(store::TSettingsStore::User());
    ASSERT_TRUE(store::TSettingsStore::User().DeleteKey("Software"));
    EXPECT_FALSE(store::regfile::Import(store::TSettingsStore::User(), text.toUtf8()));
    EXPECT_EQ(Read(), full);

    Write(TEvent{At(2026, 1, 1), {}, {}, {}, TAfterEnd::AsDesigned});
    EXPECT_EQ(Names(), QStringList({"CustomDateTime"}));
    EXPECT_EQ(Read(), (TEvent{At(2026, 1, 1), {}, {}, {}, TAfterEnd::AsDesigned}));
}

// "AfterEnd" as "korvane5-settings set" may leave it: the three choices, and any other
// number as designed.
TEST_F(EventStoreTest, AfterEndReadsItsThreeChoices) {
    const std::pair<std::int32_t, TAfterEnd> rows[] = {{0, TAfterEnd::AsDesigned},
                                                       {1, TAfterEnd::CountUp},
                                                       {2, TAfterEnd::NextOccurrence},
                                                       {3, TAfterEnd::AsDesigned},
                                                       {-1, TAfterEnd::AsDesigned}};
    for (const auto& [stored, read] : rows) {
        store::TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(store::keys::Clock(1), true));
        reg.WriteInteger(TEventStore::AfterEndValue, stored);
        EXPECT_EQ(Read().AfterEnd, read) << stored;
    }
}
