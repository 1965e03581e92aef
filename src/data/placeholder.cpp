namespace fin::data { int placeholder() { return 0; } }
