# The draw command.
