// The passes skip records they know to be parked. Stepping a whole lap with those shortcuts and
// again with every pass made to look at every record must give the same frames and tables.

#include <cstdint>
#include <cstring>
#include <vector>

#include "game/enemies/bursts.h"
#include "game/stage/reset.h"
#include "game/weapons/bolt_fans.h"
#include "game/weapons/ring_volleys.h"
#include "game/weapons/sweep_streams.h"
#include "game_fixture.h"
#include "sim/busy_keys.h"

namespace {

class Fingerprint {
  public:
    void Add(const void* bytes, std::size_t size) {
        const auto* p = static_cast<const unsigned char*>(bytes);
        std::size_t i = 0;
        for (; i + 8 <= size; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, p + i, 8);
            Mix(word);
        }
        for (; i < size; ++i) Mix(p[i]);
    }
    template <typename T>
    void AddValue(const T& value) {
        Add(&value, sizeof value);
    }
    std::uint64_t Value() const { return hash_; }

  private:
    void Mix(std::uint64_t word) { hash_ = (hash_ ^ word) * 1099511628211ull; }

    std::uint64_t hash_ = 1469598103934665603ull;
};

class PassShortcutsTest : public GameTest {
  protected:
    // The draws and sounds of every step; the tables, which are large, every eighth step.
    std::uint64_t FrameFingerprint(int step) const {
        Fingerprint print;
        for (const DrawOp& op : surface.Ops()) {
            print.AddValue(op.kind);
            print.AddValue(op.color);
            print.AddValue(op.bitmap);
            print.AddValue(op.destination);
            print.AddValue(op.source);
            print.AddValue(op.opacity);
            print.AddValue(op.from);
            print.AddValue(op.to);
            print.AddValue(op.width);
            print.AddValue(op.radiusX);
            print.AddValue(op.radiusY);
        }
        for (const std::string& name : sounds.Played()) print.Add(name.data(), name.size());
        if (step % 8 != 0) return print.Value();
        print.AddValue(bursts);
        print.AddValue(ringVolleys);
        print.AddValue(sweepStreams);
        print.AddValue(boltFans);
        return print.Value();
    }

    std::vector<std::uint64_t> Lap(bool shortcuts) {
        ZeroAllTables();
        ClearKeyTablesForTest();
        ResetWorld();
        std::vector<std::uint64_t> prints;
        for (int step = 0; step < 14300; ++step) {
            ApplyBusyKeys(step);
            if (!shortcuts) ForgetParkedBlocks();
            Step();
            prints.push_back(FrameFingerprint(step));
        }
        return prints;
    }

    void ExpectSameLaps() {
        const std::vector<std::uint64_t> full = Lap(false);
        const std::vector<std::uint64_t> quick = Lap(true);
        for (std::size_t step = 0; step < full.size(); ++step) {
            ASSERT_EQ(full[step], quick[step]) << "first difference after step " << step;
        }
    }
};

TEST_F(PassShortcutsTest, LockOnLapIsUnchanged) {
    rules = RuleSet::LockOn;
    ExpectSameLaps();
}

TEST_F(PassShortcutsTest, ShotHitLapIsUnchanged) {
    rules = RuleSet::ShotHit;
    ExpectSameLaps();
}

}  // namespace
