// Every integer key of every skin group at the extremes, with the drawn
// progress knobs: the ellipse and the stretched bar.
#include "proof_extremes.h"

TEST_CASE(every_integer_key_of_every_group_at_the_extremes_with_drawn_knobs) { proof::ProveSkinKeysWithKnobs(false); }
