// Every integer key of every skin group at the extremes, with the image
// progress knobs: scaled into the knob's place and revealed up to the position.
#include "proof_extremes.h"

TEST_CASE(every_integer_key_of_every_group_at_the_extremes_with_image_knobs) { proof::ProveSkinKeysWithKnobs(true); }
