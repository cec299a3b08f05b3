#pragma once
// The two rule sets, chosen once at start-up and never mixed within a run. Lock-on: enemies are
// destroyed by the fighter's homing lasers and the shots are for show. Shot-hit: the shots
// destroy enemies, the options fire curving lasers upwards, the sight ties the fighter to each
// locked enemy with a line, and there are no lock-on lasers.

enum class RuleSet { LockOn, ShotHit };
