// Links one layer of the program whole, with only the layers below it.
int main() { return 0; }
