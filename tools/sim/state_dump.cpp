#include "sim/state_dump.h"

#include <charconv>
#include <cstdint>
#include <cstdio>

#include "game/enemies/bursts.h"
#include "game/enemies/enemy_table.h"
#include "game/enemies/explosions.h"
#include "game/enemies/lock_on.h"
#include "game/rules/option_lasers.h"
#include "game/stage/world.h"
#include "game/weapons/bolt_fans.h"
#include "game/weapons/bolt_volleys.h"
#include "game/weapons/enemy_lasers.h"
#include "game/weapons/ring_volleys.h"
#include "game/weapons/sweep_streams.h"

// Exactly printf's "%.9g", done by to_chars (the same rules, far faster).
void AppendDumpFloat(std::string& out, float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                      std::chars_format::general, 9);
    out.append(buffer, result.ptr);
}

namespace {

// Builds one JSON line; floats as %.9g, which round-trips a 32-bit float.
class JsonLine {
  public:
    JsonLine& Raw(const char* text) {
        out_ += text;
        return *this;
    }
    JsonLine& Float(float value) {
        AppendDumpFloat(out_, value);
        return *this;
    }
    JsonLine& Int(long long value) {
        out_ += std::to_string(value);
        return *this;
    }
    JsonLine& String(const std::string& text) {
        out_ += '"';
        for (char c : text) {
            if (c == '"' || c == '\\') out_ += '\\';
            out_ += c;
        }
        out_ += '"';
        return *this;
    }
    // A comma before every element but the first of a list.
    JsonLine& Separator(bool& first) {
        if (!first) out_ += ',';
        first = false;
        return *this;
    }
    std::string Take() { return std::move(out_); }

  private:
    std::string out_;
};

void Laser(JsonLine& json, int index, const CurvingLaser& laser) {
    json.Raw("[").Int(index).Raw(",").Float(laser.active).Raw(",").Int(laser.tick).Raw(",");
    json.Float(laser.launchX).Raw(",").Float(laser.launchY).Raw(",[");
    bool first = true;
    for (const LaserPoint& p : laser.points) {
        json.Separator(first).Raw("[").Float(p.x).Raw(",").Float(p.y).Raw(",").Float(p.state);
        json.Raw(",").Float(p.bend).Raw(",").Float(p.aim).Raw(",").Float(p.stepX).Raw(",");
        json.Float(p.stepY).Raw("]");
    }
    json.Raw("]]");
}

void Shots(JsonLine& json) {
    json.Raw("\"shots\":[");
    bool first = true;
    for (int pool = 0; pool < kShotPools; ++pool) {
        for (int index = 0; index < kShotsPerPool; ++index) {
            const PlayerShot& shot = gameWorld.shotPools[pool].shots[index];
            if (shot.active == 0) continue;
            json.Separator(first).Raw("[").Int(pool).Raw(",").Int(index).Raw(",").Int(shot.active);
            json.Raw(",").Float(shot.x).Raw(",").Float(shot.y).Raw("]");
        }
    }
    json.Raw("]");
}

void Enemies(JsonLine& json) {
    json.Raw(",\"enemies\":[");
    bool first = true;
    for (const Enemy& e : enemies) {
        json.Separator(first).Raw("[").Int(e.alive).Raw(",").Float(e.x).Raw(",").Float(e.y);
        json.Raw(",").Float(e.hit).Raw(",").Float(e.burstCounter).Raw(",").Float(e.flightStep);
        json.Raw(",").Float(e.heading).Raw("]");
    }
    json.Raw("]");
}

void Explosions(JsonLine& json) {
    json.Raw(",\"explosions\":[");
    bool first = true;
    for (const Explosion& e : explosions) {
        json.Separator(first).Raw("[").Int(e.framesLeft).Raw(",").Float(e.x).Raw(",").Float(e.y);
        json.Raw(",").Float(e.scale).Raw(",").Float(e.alpha).Raw("]");
    }
    json.Raw("]");
}

void Lasers(JsonLine& json, RuleSetName rules) {
    json.Raw(",\"enemyLasers\":[");
    bool first = true;
    for (int slot = 3; slot < kEnemySlots; ++slot)
        Laser(json.Separator(first), slot, enemyLasers[slot]);
    json.Raw("],\"lockOnLasers\":[");
    first = true;
    if (rules == RuleSetName::LockOn) {
        for (int slot = 0; slot < kEnemySlots; ++slot) {
            Laser(json.Separator(first), slot, lockOnLasers[slot]);
        }
    }
    json.Raw("],\"optionLasers\":[");
    first = true;
    if (rules == RuleSetName::ShotHit) {
        for (int i = 0; i < kOptionCount; ++i) Laser(json.Separator(first), i, optionLasers[i]);
    }
    json.Raw("]");
}

void RingVolleys(JsonLine& json) {
    json.Raw(",\"ringVolleys\":[");
    bool first = true;
    for (int slot = 0; slot < kEnemySlots; ++slot) {
        for (int ring = 0; ring < kRingsPerSlot; ++ring) {
            for (int k = 0; k < kPelletsPerRing; ++k) {
                const EnemyShot& p = ringVolleys[slot][ring].pellets[k];
                if (p.active == 0.0f) continue;
                json.Separator(first).Raw("[").Int(slot).Raw(",").Int(ring + 1).Raw(",").Int(k);
                json.Raw(",").Float(p.x).Raw(",").Float(p.y).Raw("]");
            }
        }
    }
    json.Raw("]");
}

void SweepStreamRows(JsonLine& json) {
    json.Raw(",\"sweepStreams\":[");
    bool first = true;
    for (int slot = 0; slot < kEnemySlots; ++slot) {
        const SweepStreams& streams = sweepStreams[slot];
        json.Separator(first).Raw("[").Int(slot).Raw(",").Int(streams.emitIndex).Raw(",[");
        bool firstElement = true;
        for (int side = 0; side < 2; ++side) {
            const EnemyShot* stream = side == 0 ? streams.left : streams.right;
            for (int k = 0; k < kStreamElements; ++k) {
                if (stream[k].active == 0.0f) continue;
                json.Separator(firstElement).Raw("[").Int(side).Raw(",").Int(k).Raw(",");
                json.Float(stream[k].x).Raw(",").Float(stream[k].y).Raw("]");
            }
        }
        json.Raw("]]");
    }
    json.Raw("]");
}

void Bolts(JsonLine& json) {
    json.Raw(",\"boltVolleys\":[");
    bool first = true;
    for (int slot = 0; slot < kEnemySlots; ++slot) {
        const BoltVolley& v = boltVolleys[slot];
        if (v.active == 0.0f) continue;
        json.Separator(first).Raw("[").Int(slot).Raw(",").Float(v.x).Raw(",").Float(v.y).Raw("]");
    }
    json.Raw("],\"boltFans\":[");
    first = true;
    for (int slot = 0; slot < kEnemySlots; ++slot) {
        for (int member = 0; member < kFanMembers; ++member) {
            for (int k = 0; k < kBoltsPerMember; ++k) {
                const EnemyShot& b = boltFans[slot][member].bolts[k];
                if (b.active == 0.0f) continue;
                json.Separator(first).Raw("[").Int(slot).Raw(",").Int(member).Raw(",").Int(k);
                json.Raw(",").Float(b.x).Raw(",").Float(b.y).Raw("]");
            }
        }
    }
    json.Raw("]");
}

void Bursts(JsonLine& json) {
    json.Raw(",\"bursts\":[");
    bool first = true;
    for (int slot = 0; slot < kEnemySlots; ++slot) {
        for (int j = 0; j < kBurstParticles; ++j) {
            const BurstParticle& p = bursts[slot][j];
            if (p.active == 0.0f && p.x == parkedX && p.y == parkedY) continue;
            json.Separator(first).Raw("[").Int(slot).Raw(",").Int(j).Raw(",").Float(p.active);
            json.Raw(",").Float(p.x).Raw(",").Float(p.y).Raw(",").Float(p.vx).Raw(",");
            json.Float(p.vy).Raw(",").Float(p.age).Raw("]");
        }
    }
    json.Raw("]");
}

}  // namespace

std::string DumpState(long frame, RuleSetName rules, const std::vector<std::string>& sounds,
                      const DrawCounts& draws) {
    JsonLine json;
    json.Raw("{\"frame\":").Int(frame).Raw(",\"stageClock\":").Float(gameWorld.stageClock);
    json.Raw(",\"backLayerScroll\":").Float(gameWorld.backLayerScroll);
    json.Raw(",\"frontLayerScroll\":").Float(gameWorld.frontLayerScroll).Raw(",\"sounds\":[");
    bool first = true;
    for (const std::string& name : sounds) json.Separator(first).String(name);
    json.Raw("],\"draws\":{\"glowLines\":").Int(draws.glowLines).Raw(",\"bitmaps\":");
    json.Int(draws.bitmaps).Raw(",\"ellipses\":").Int(draws.ellipses).Raw(",\"texts\":");
    json.Int(draws.texts).Raw("},\"player\":[").Float(gameWorld.playerX).Raw(",");
    json.Float(gameWorld.playerY).Raw("],\"options\":[");
    first = true;
    for (const Option& option : gameWorld.options) {
        json.Separator(first).Raw("[").Float(option.x).Raw(",").Float(option.y).Raw("]");
    }
    json.Raw("],");
    Shots(json);
    Enemies(json);
    Explosions(json);
    Lasers(json, rules);
    RingVolleys(json);
    SweepStreamRows(json);
    Bolts(json);
    Bursts(json);
    json.Raw("}");
    return json.Take();
}
