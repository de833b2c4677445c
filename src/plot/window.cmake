# The main window TForm1 and its view controls (Qt).
