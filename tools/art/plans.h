#pragma once
// The nine body plans. Each draws a whole species from its look, back to front: what lies
// behind the body first, then the body, its markings, the head and the eyes.

#include "tools/art/builder.h"

namespace zentaloger::art::figure {

// On the ground (landplans.cpp).
void Quadruped(Builder& b, const Look& l);
void Biped(Builder& b, const Look& l);
void Serpent(Builder& b, const Look& l);
void Shelled(Builder& b, const Look& l);
void Blob(Builder& b, const Look& l);
// In the air and in the water (airwaterplans.cpp).
void Avian(Builder& b, const Look& l);
void Insectoid(Builder& b, const Look& l);
void Floater(Builder& b, const Look& l);
void Aquatic(Builder& b, const Look& l);

}  // namespace zentaloger::art::figure
