# Random gear pairs in the batch tool's CSV, mostly sound pairs as engineers type
# them and a share with spoiled fields. Usage: awk -v rows=N -v seed=S -f random-forms.awk
function pick(a, b) { return a + (b - a) * rand() }
function whole(a, b) { return int(pick(a, b + 1)) }
function dec(x, places) { return sprintf("%." places "f", x) }
BEGIN {
    srand(seed)
    pi = 3.141592654
    split("14.5 15 17.5 20 20 20 22.5 25 30", angles, " ")
    split("0.5 0.8 1 1.25 1.5 2 2.5 3 4 5 6 8 10", modules, " ")
    split("abc 1e400 -0 \"1,5\" 0x1A -", spoiled, " ")
    spoiled[6] = ""
    print "zxja,fmn,fjafn,lxjbt,ckbw,h0,c0,nj,cs1z1,cs2z2,ess1,ess2,esi1,esi2,fr1,fr2,xng1,xng2,dpg1,dpg2,cgyj1,cgyj2,ck1,ck2,th1,th2,jd1,jd2,dx"
    for (r = 0; r < rows; r++) {
        m = rand() < 0.7 ? modules[whole(1, 13)] : dec(pick(0.3, 12), 3)
        an = rand() < 0.8 ? angles[whole(1, 9)] : dec(pick(10, 35), 2)
        beta = rand() < 0.3 ? 0 : (rand() < 0.8 ? dec(pick(5, 40), 2) : dec(pick(0, 60), 4))
        z1 = whole(6, 60); z2 = whole(z1, 150)
        x1 = rand() < 0.3 ? "" : dec(pick(-0.6, 0.9), 4)
        x2 = x1 == "" ? "" : (rand() < 0.5 ? "" : dec(pick(-0.6, 0.9), 4))
        if (x2 == "") x1 = rand() < 0.5 ? "" : x1
        # Centre distance near the reference one, so most pairs are attainable.
        a0 = m * (z1 + z2) / (2 * cos(beta * pi / 180))
        a = dec(a0 * pick(0.97, 1.06), whole(0, 4))
        h0 = rand() < 0.8 ? 1 : dec(pick(0.8, 1.2), 2)
        c0 = rand() < 0.8 ? 0.25 : dec(pick(0.1, 0.4), 2)
        b = dec(m * pick(5, 20), 1)
        f[1] = a; f[2] = m; f[3] = an; f[4] = beta; f[5] = b; f[6] = h0; f[7] = c0
        f[8] = dec(pick(0.1, 500), 2); f[9] = z1; f[10] = z2
        f[11] = dec(-pick(0, 0.1), 3); f[12] = dec(-pick(0, 0.1), 3)
        f[13] = dec(f[11] - pick(0.02, 0.1), 3); f[14] = dec(f[12] - pick(0.02, 0.1), 3)
        f[15] = dec(pick(0.01, 0.1), 3); f[16] = dec(pick(0.01, 0.1), 3)
        f[17] = x1; f[18] = x2
        f[19] = rand() < 0.5 ? "" : dec(m * pick(1.6, 1.9), 3)
        f[20] = rand() < 0.5 ? "" : dec(m * pick(1.6, 1.9), 3)
        f[21] = dec(m * pick(0.2, 0.45), 3); f[22] = dec(m * pick(0.2, 0.45), 3)
        f[23] = dec(b * pick(1, 1.2), 1); f[24] = dec(b * pick(1, 1.2), 1)
        f[25] = "P-" r; f[26] = "W-" r; f[27] = "7-6-6 GJ"; f[28] = "8-7-7 HK"
        if (rand() < 0.05) f[whole(1, 24)] = spoiled[whole(1, 6)]
        line = f[1]
        for (i = 2; i <= 28; i++) line = line "," f[i]
        print line "," (rand() < 0.5 ? "dx1" : "dx2")
    }
}
