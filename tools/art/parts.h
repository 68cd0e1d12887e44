#pragma once
// The parts every body plan draws from. Each adds its groups to the builder in drawing order,
// so a part added before the body lies behind it.

#include <QString>

#include "tools/art/builder.h"

namespace zentaloger::art::figure {

// A small feature that shows the type: drawn at `at`, pointing along `angle`.
void Ornament(Builder& b, const QString& type, P at, double size, double angle, int material);
// The family's pattern (spots, stripes or a saddle), clipped to the `body` group.
void Markings(Builder& b, int body, const Look& l, P c, double rx, double ry, double angle = 0);
// A lighter belly, clipped to the `body` group.
void Belly(Builder& b, int body, P c, double rx, double ry, double angle = 0);
// One ear on a head of radius `hr` at `c`; the far ear (`near` false) is a shade darker.
void Ears(Builder& b, const Look& l, P c, double hr, double baseAngle, bool near,
          double sweep = 0.5);
// One horn on the brow or a pair; none on babies and base forms.
void Horns(Builder& b, const Look& l, P c, double hr, double baseAngle);
// The crown of the legendary species.
void Crown(Builder& b, P c, double hr, double up);
// The legendary and the secret species: drawn before the body, behind it.
void Aura(Builder& b, const Look& l, P c, double r);
// Glowing marks of the secret species, over a body group.
void Runes(Builder& b, int body, P c, double rx, double ry);

}  // namespace zentaloger::art::figure
