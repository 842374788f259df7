/*
 * Formulae and numerical methods: the roots of a formula found between its sign changes,
 * its integral, and a damped oscillator solved as an ODE set. Prints the results and plots
 * the formula, its roots and the oscillator on a headless host.
 *
 * Usage: formula_numerics [plot.png]
 */
#include <stdio.h>

#include <kelvo/kelvolib.h>
#include <kelvo/kelvoplatform.h>

static const char formula[] = "sin(x) - x / 4";
static const double x_low = -6.0, x_high = 6.0;
enum { samples = 120, max_roots = 8 };

/* The formula's value at x; prints the error code and returns 0 when it cannot be evaluated. */
static double evaluate(double x)
{
    double y = 0.0;
    int32_t code = TkEvaluate1ByVar(formula, "x", &y, x);
    if (code != 0)
        fprintf(stderr, "formula_numerics: code %d at x = %g\n", (int)code, x);
    return y;
}

/* Looks for sign changes on a grid of samples and refines each with Brent's method. */
static int find_roots(double* roots)
{
    int count = 0;
    double step = (x_high - x_low) / samples;
    double a = x_low, fa = evaluate(a);
    for (int i = 1; i <= samples && count < max_roots; ++i) {
        double b = x_low + i * step, fb = evaluate(b);
        if (fa == 0.0 || fa * fb < 0.0) {
            double root = a;
            int32_t code = fa == 0.0 ? 0 : TkFindRootByVar(formula, "x", &root, a, b, 1e-12);
            if (code == 0)
                roots[count++] = root;
            else
                fprintf(stderr, "formula_numerics: no root in [%g, %g] (code %d)\n", a, b, (int)code);
        }
        a = b;
        fa = fb;
    }
    return count;
}

/* Time 0 .. 20 of the oscillator across the plot's x range. */
static double plot_x_of_time(double t)
{
    return x_low + (x_high - x_low) * t / 20.0;
}

/* x'' = -x - 0.3 x' as two first-order equations, from x = 1 at rest; one point per step
 * goes into the graph (pass 0 for no graph). Returns the last code of TkODESolve. */
static int32_t solve_oscillator(TkGraph graph)
{
    TkODE set = TkNewODE(2, "t", 1e-8, 1e-8);
    TkSetODELine(set, 1, "x", "v");
    TkSetODELine(set, 2, "v", "-x - 0.3 * v");
    TkSetODEValue(set, 1, 1.0);  /* x */
    TkSetODEValue(set, -3, 1e-9); /* the smallest step allowed */
    if (graph != 0)
        TkMoveabs(graph, plot_x_of_time(0.0), 1.0);

    double t = 0.0, x = 1.0, next_print = 0.0;
    int32_t code = 0;
    printf("damped oscillator x'' = -x - 0.3 x', x(0) = 1:\n");
    while (t < 20.0 && code == 0) {
        code = TkODESolve(set);
        TkGetODEValueByVar(set, -1, &t);
        TkGetODEValueByVar(set, 1, &x);
        if (graph != 0)
            TkDrawabs(graph, plot_x_of_time(t), x);
        if (t >= next_print) {
            printf("  t = %6.3f  x = % .6f\n", t, x);
            next_print += 4.0;
        }
    }
    if (code != 0)
        fprintf(stderr, "formula_numerics: ODE step failed with code %d\n", (int)code);
    TkDisposeODE(set);
    return code;
}

int main(int argc, char** argv)
{
    const char* path = argc > 1 ? argv[1] : "formula_numerics.png";
    double roots[max_roots];
    int count = find_roots(roots);
    printf("roots of %s in [%g, %g]:\n", formula, x_low, x_high);
    for (int i = 0; i < count; ++i)
        printf("  x = % .12f\n", roots[i]);
    if (count == 0)
        return 1;

    double area = 0.0, error_estimate = 0.0;
    int32_t code = TkIntegrateByVar(8, formula, "x", 0.0, roots[count - 1], &area, &error_estimate);
    printf("integral from 0 to the last root: %.12f (estimated error %.1e, code %d)\n", area, error_estimate,
           (int)code);

    /* The plot: the formula in blue, its roots as red circles, the oscillator in green. */
    TkWnd host = KpCreateHeadlessHost(480, 320);
    TkGraph graph = TkOpenGraph(host, 0, 0, 480, 320, 2);
    TkKelvoStyle(graph, 1);
    TkClearWindow(graph);
    TkSetRanges(graph, x_low, x_high, -2.0, 2.0);
    TkSetScales(graph);
    TkPen(graph, TkRGB(150, 150, 150, 0), 2, 1);
    TkMoveabs(graph, x_low, 0.0);
    TkDrawabs(graph, x_high, 0.0);
    TkPen(graph, TkRGB(0, 0, 200, 0), 1, 2);
    for (int i = 0; i <= samples; ++i) {
        double x = x_low + (x_high - x_low) * i / samples;
        if (i == 0)
            TkMoveabs(graph, x, evaluate(x));
        else
            TkDrawabs(graph, x, evaluate(x));
    }
    TkPen(graph, TkRGB(200, 0, 0, 0), 1, 2);
    for (int i = 0; i < count; ++i)
        TkGpCircle(graph, TkUserToWindowX(graph, roots[i], 0.0), TkUserToWindowY(graph, roots[i], 0.0), 5, 0);
    TkPen(graph, TkRGB(0, 150, 0, 0), 1, 1);
    int32_t ode_code = solve_oscillator(graph);

    KpUpdate();
    int32_t saved = KpSavePng(host, path);
    printf("%s %s\n", saved == 0 ? "plot written to" : "could not write", path);
    TkCloseGraph(graph);
    KpDestroyWindow(host);
    return code == 0 && ode_code == 0 && saved == 0 ? 0 : 1;
}
