# Tests of the draw command.
